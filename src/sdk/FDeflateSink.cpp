#include "sdk/FDeflateSink.h"

#include "sdk/FCheck.h"
#include "sdk/FDeflateState.h"

#include <algorithm>
#include <limits>

namespace
{

thread_local bool threadSinkOpen = false;

z_stream& ThreadMovieStream()
{
    thread_local FDeflateState state(9);
    F_CHECK(!threadSinkOpen, "one compressed movie at a time per thread");
    threadSinkOpen = true;
    return state.Restart();
}

} // namespace

FDeflateSink::FDeflateSink(FByteSink& target_, std::size_t storedLength)
    : target(target_)
    , storedLeft(storedLength)
    , zstream(ThreadMovieStream())
    , chunk(kChunkSize)
{
}

FDeflateSink::~FDeflateSink()
{
    threadSinkOpen = false;
}

bool FDeflateSink::Write(const U8* data, std::size_t length)
{
    if (failed)
        return false;
    const std::size_t stored = std::min(storedLeft, length);
    if (stored > 0) {
        storedLeft -= stored;
        if (!target.Write(data, stored))
            return !(failed = true);
        data += stored;
        length -= stored;
    }
    while (length > 0) {
        // avail_in is 32 bits wide; feed larger pieces in parts.
        const auto piece
            = static_cast<uInt>(std::min<std::size_t>(length, std::numeric_limits<uInt>::max()));
        zstream.next_in = const_cast<U8*>(data);
        zstream.avail_in = piece;
        while (zstream.avail_in > 0 && !failed)
            Deflate(Z_NO_FLUSH);
        if (failed)
            return false;
        data += piece;
        length -= piece;
    }
    return true;
}

bool FDeflateSink::Finish()
{
    zstream.next_in = nullptr;
    zstream.avail_in = 0;
    int result = Z_OK;
    while (!failed && result == Z_OK)
        result = Deflate(Z_FINISH);
    return !failed && result == Z_STREAM_END;
}

int FDeflateSink::Deflate(int flush)
{
    zstream.next_out = chunk.data();
    zstream.avail_out = static_cast<uInt>(chunk.size());
    const int result = deflate(&zstream, flush);
    const std::size_t produced = chunk.size() - zstream.avail_out;
    if (result == Z_STREAM_ERROR || (produced > 0 && !target.Write(chunk.data(), produced)))
        failed = true;
    return result;
}
