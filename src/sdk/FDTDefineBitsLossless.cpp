#include "sdk/FDTDefineBitsLossless.h"

#include "sdk/FLosslessData.h"
#include "sdk/FSWFStream.h"

FDTDefineBitsLosslessBaseZell::FDTDefineBitsLosslessBaseZell(U8 format_, U16 width_, U16 height_,
    U32 colorTableSize_, const void* colorTable, const void* pixels, U8 withAlpha_)
    : characterId(NextCharacterId())
    , format(format_)
    , width(width_)
    , height(height_)
    , colorTableSize(colorTableSize_)
    , withAlpha(withAlpha_)
    , compressedData(FCompressLosslessData(
          format_, width_, height_, colorTableSize_, colorTable, pixels, withAlpha_))
{
}

void FDTDefineBitsLosslessBaseZell::Write(FSWFStream& stream)
{
    FSWFStream body;
    body.PutU16(characterId);
    body.PutU8(format);
    body.PutU16(width);
    body.PutU16(height);
    if (format <= 3)
        body.PutU8(colorTableSize - 1);
    body.AddLargeData(compressedData.data(), static_cast<U32>(compressedData.size()));
    stream.PutTag(withAlpha ? 36 : 20, body.ByteSize(), &body);
}
