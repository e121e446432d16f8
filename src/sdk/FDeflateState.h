#pragma once

#include <zlib.h>

// One zlib deflate stream at a fixed level, kept from one use to the next. A level-9 stream
// holds about a quarter of a megabyte; allocating, zeroing and releasing that for every bitmap
// or movie showed up as page faults and heap trimming when many small ones are written.
class FDeflateState
{
public:
    explicit FDeflateState(int level);
    ~FDeflateState();
    FDeflateState(const FDeflateState&) = delete;
    FDeflateState& operator=(const FDeflateState&) = delete;

    // The stream, reset to begin a new zlib stream at the same level.
    z_stream& Restart();

private:
    z_stream stream {};
};
