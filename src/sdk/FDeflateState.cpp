#include "sdk/FDeflateState.h"

#include "sdk/FCheck.h"

FDeflateState::FDeflateState(int level)
{
    const int ret = deflateInit(&stream, level);
    F_CHECK(ret == Z_OK, "deflateInit(level) == Z_OK");
}

FDeflateState::~FDeflateState()
{
    deflateEnd(&stream);
}

z_stream& FDeflateState::Restart()
{
    const int ret = deflateReset(&stream);
    F_CHECK(ret == Z_OK, "deflateReset == Z_OK");
    return stream;
}
