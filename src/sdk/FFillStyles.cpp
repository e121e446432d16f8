#include "sdk/FFillStyles.h"

#include "sdk/FColor.h"
#include "sdk/FMatrix.h"
#include "sdk/FSWFStream.h"

namespace
{

constexpr U32 kSolidFill = 0x00;
constexpr U32 kTiledBitmapFill = 0x40;
constexpr U32 kClippedBitmapFill = 0x41;

void WriteBitmapFillHead(FSWFStream& stream, U32 tiled, U16 bitmapId)
{
    stream.PutU8(tiled ? kTiledBitmapFill : kClippedBitmapFill);
    stream.PutU16(bitmapId);
}

} // namespace

FFillStyleSolid::FFillStyleSolid(FColor* color_)
    : color(color_)
{
}

FFillStyleSolid::~FFillStyleSolid() = default;

void FFillStyleSolid::Write(FSWFStream& stream) const
{
    stream.PutU8(kSolidFill);
    color->Write(stream);
}

FFillStyleBitmap::FFillStyleBitmap(U32 tiled_, U16 bitmapId_, FMatrix* matrix_)
    : tiled(tiled_)
    , bitmapId(bitmapId_)
    , matrix(matrix_)
{
}

FFillStyleBitmap::~FFillStyleBitmap() = default;

void FFillStyleBitmap::Write(FSWFStream& stream) const
{
    WriteBitmapFillHead(stream, tiled, bitmapId);
    matrix->Write(stream);
}

FFillStyleBitmapZell::FFillStyleBitmapZell(U32 tiled_, U16 bitmapId_)
    : tiled(tiled_)
    , bitmapId(bitmapId_)
{
}

void FFillStyleBitmapZell::Write(FSWFStream& stream) const
{
    WriteBitmapFillHead(stream, tiled, bitmapId);
    // Matrix: scale 20.0 (0x140000) in 22-bit fields, no rotation, translate width 0.
    for (U32 byte : { 0xD9, 0x40, 0x00, 0x05, 0x00, 0x00, 0x00 })
        stream.PutU8(byte);
}
