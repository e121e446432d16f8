#include "sdk/FDTDefineShape.h"

#include "sdk/FCheck.h"
#include "sdk/FColor.h"
#include "sdk/FSWFStream.h"
#include "sdk/FStyleArrays.h"

FDTDefineShape::FDTDefineShape(FRect* bounds_)
    : FADefineShape(bounds_)
{
}

U32 FDTDefineShape::AddSolidFillStyle(FColor* color)
{
    color->SetWriteAlpha(false);
    return AddFill(new FFillStyleSolid(color));
}

U32 FDTDefineShape::AddLineStyle(U32 width, FColor* color)
{
    F_CHECK(!styleArraysFinished, "!styleArraysFinished");
    color->SetWriteAlpha(false);
    return lineStyles->Add(new FLineStyle(width, color));
}

U32 FDTDefineShape::AddFillStyle(FFillStyleBitmap* style)
{
    return AddFill(style);
}

void FDTDefineShape::Write(FSWFStream& stream)
{
    FSWFStream body;
    WriteBody(body);
    stream.PutTag(2, body.ByteSize(), &body);
}
