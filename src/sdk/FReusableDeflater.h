#pragma once

#include "sdk/FDeflateState.h"
#include "sdk/FTypes.h"

#include <initializer_list>
#include <span>
#include <vector>

// Compresses whole inputs into memory with one kept deflate stream. The output is compress2's
// at the same level for the pieces laid end to end. Not shared between threads: each thread
// keeps its own.
class FReusableDeflater
{
public:
    explicit FReusableDeflater(int level);

    // The zlib stream (header, data, Adler-32 trailer) of the pieces laid end to end.
    std::vector<U8> Compress(std::initializer_list<std::span<const U8>> pieces);

private:
    int Feed(z_stream& zstream, std::span<const U8> input, int flush);

    FDeflateState state;
    // Room for the largest output compressBound allows, kept between calls while it is small.
    std::vector<U8> output;
};
