#pragma once

#include "sdk/FDT.h"

#include <vector>

// Lossless bitmap tag: code 36 with alpha, code 20 without. The colour table and pixels are
// compressed into a private buffer at construction, so the caller's buffers may be released
// as soon as the constructor returns; the movie stream refers to the compressed bytes until
// the file is written.
class FDTDefineBitsLosslessBaseZell : public FDT
{
public:
    FDTDefineBitsLosslessBaseZell(U8 format, U16 width, U16 height, U32 colorTableSize,
        const void* colorTable, const void* pixels, U8 withAlpha);
    U16 CharacterId() override { return characterId; }
    void Write(FSWFStream& stream) override;

private:
    U16 characterId;
    U8 format;
    U16 width;
    U16 height;
    U32 colorTableSize;
    U8 withAlpha;
    std::vector<U8> compressedData;
};

// The alpha variant (code 36): colour table entries are red, green, blue, alpha.
class FDTDefineBitsLossless2Zell : public FDTDefineBitsLosslessBaseZell
{
public:
    FDTDefineBitsLossless2Zell(U8 format_, U16 width_, U16 height_, U32 colorTableSize_,
        const void* colorTable, const void* pixels)
        : FDTDefineBitsLosslessBaseZell(
            format_, width_, height_, colorTableSize_, colorTable, pixels, 1)
    {
    }
};
