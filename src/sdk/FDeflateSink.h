#pragma once

#include "sdk/FByteSink.h"

#include <vector>
#include <zlib.h>

// Compresses what it is given into another sink: the first storedLength bytes pass unchanged
// (a movie's signature, version and length), everything after them becomes one zlib stream at
// level 9, handed on in chunks of 32000 bytes. Finish ends the stream. Each thread keeps one
// level-9 stream for all the movies it saves, so one sink at a time per thread.
class FDeflateSink : public FByteSink
{
public:
    FDeflateSink(FByteSink& target, std::size_t storedLength);
    ~FDeflateSink() override;
    FDeflateSink(const FDeflateSink&) = delete;
    FDeflateSink& operator=(const FDeflateSink&) = delete;

    [[nodiscard]] bool Write(const U8* data, std::size_t length) override;
    [[nodiscard]] bool Finish();

private:
    // One deflate call into the chunk, whose output goes to the target; returns zlib's result.
    int Deflate(int flush);

    static constexpr std::size_t kChunkSize = 32000;

    FByteSink& target;
    std::size_t storedLeft;
    z_stream& zstream;
    bool failed = false;
    std::vector<U8> chunk;
};
