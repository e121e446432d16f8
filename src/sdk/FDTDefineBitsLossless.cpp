#include "sdk/FDTDefineBitsLossless.h"

#include "sdk/FLosslessData.h"
#include "sdk/FSWFStream.h"

FDTDefineBitsLosslessBaseZell::FDTDefineBitsLosslessBaseZell(U8 format_, U16 width_, U16 height_,
    U32 colorTableSize_, const void* colorTable, const void* pixels, U8 withAlpha_,
    FCompressionPool* pool)
    : characterId(NextCharacterId())
    , format(format_)
    , width(width_)
    , height(height_)
    , colorTableSize(colorTableSize_)
    , withAlpha(withAlpha_)
{
    if (pool != nullptr)
        pendingData = FCompressLosslessDataLater(
            *pool, format_, width_, height_, colorTableSize_, colorTable, pixels, withAlpha_);
    else
        compressedData = FCompressLosslessData(
            format_, width_, height_, colorTableSize_, colorTable, pixels, withAlpha_);
}

const std::vector<U8>& FDTDefineBitsLosslessBaseZell::CompressedData()
{
    if (pendingData.valid())
        compressedData = pendingData.get();
    return compressedData;
}

void FDTDefineBitsLosslessBaseZell::Write(FSWFStream& stream)
{
    const std::vector<U8>& data = CompressedData();
    FSWFStream body;
    body.PutU16(characterId);
    body.PutU8(format);
    body.PutU16(width);
    body.PutU16(height);
    if (format <= 3)
        body.PutU8(colorTableSize - 1);
    body.AddLargeData(data.data(), static_cast<U32>(data.size()));
    stream.PutTag(withAlpha ? 36 : 20, body.ByteSize(), &body);
}
