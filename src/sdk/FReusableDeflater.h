#pragma once

#include "sdk/FTypes.h"

#include <initializer_list>
#include <span>
#include <vector>
#include <zlib.h>

// A zlib deflate stream kept from one input to the next, so that compressing many bitmaps does
// not allocate and release zlib's quarter of a megabyte of state, and the pages under it, for
// each one. The output is compress2's at the same level for the pieces laid end to end. Not
// shared between threads: each thread keeps its own.
class FReusableDeflater
{
public:
    explicit FReusableDeflater(int level);
    ~FReusableDeflater();
    FReusableDeflater(const FReusableDeflater&) = delete;
    FReusableDeflater& operator=(const FReusableDeflater&) = delete;

    // The zlib stream (header, data, Adler-32 trailer) of the pieces laid end to end.
    std::vector<U8> Compress(std::initializer_list<std::span<const U8>> pieces);

private:
    int Feed(std::span<const U8> input, int flush);

    z_stream zstream {};
    // Room for the largest output compressBound allows, kept between calls while it is small.
    std::vector<U8> output;
};
