#include "sdk/FDTDefineShapeZell.h"

#include "sdk/FFillStyles.h"
#include "sdk/FSWFStream.h"

FDTDefineShapeZell::FDTDefineShapeZell(FRect* bounds_)
    : FADefineShape(bounds_)
{
}

U32 FDTDefineShapeZell::AddFillStyle(FFillStyleBitmapZell* style)
{
    return AddFill(style);
}

void FDTDefineShapeZell::Write(FSWFStream& stream)
{
    FSWFStream body;
    WriteBody(body);
    stream.PutU16((2 << 6) | 0x3F); // code 2 with the long-length marker: BF 00
    stream.PutU32(body.ByteSize());
    stream.AppendStream(body);
}
