#pragma once

#include "sdk/FDT.h"

#include <future>
#include <vector>

class FCompressionPool;

// Lossless bitmap tag: code 36 with alpha, code 20 without. The colour table and pixels are
// compressed into a private buffer, so the caller's buffers may be released as soon as the
// constructor returns; the movie stream refers to the compressed bytes until the file is
// written. Given a pool, the compression runs on it and Write waits for its result; the id and
// the written bytes are the same either way.
class FDTDefineBitsLosslessBaseZell : public FDT
{
public:
    FDTDefineBitsLosslessBaseZell(U8 format, U16 width, U16 height, U32 colorTableSize,
        const void* colorTable, const void* pixels, U8 withAlpha, FCompressionPool* pool = nullptr);
    U16 CharacterId() override { return characterId; }
    void Write(FSWFStream& stream) override;

private:
    const std::vector<U8>& CompressedData();

    U16 characterId;
    U8 format;
    U16 width;
    U16 height;
    U32 colorTableSize;
    U8 withAlpha;
    std::vector<U8> compressedData;
    std::future<std::vector<U8>> pendingData; // valid until the pool's result is taken
};

// The alpha variant (code 36): colour table entries are red, green, blue, alpha.
class FDTDefineBitsLossless2Zell : public FDTDefineBitsLosslessBaseZell
{
public:
    FDTDefineBitsLossless2Zell(U8 format_, U16 width_, U16 height_, U32 colorTableSize_,
        const void* colorTable, const void* pixels, FCompressionPool* pool = nullptr)
        : FDTDefineBitsLosslessBaseZell(
            format_, width_, height_, colorTableSize_, colorTable, pixels, 1, pool)
    {
    }
};
