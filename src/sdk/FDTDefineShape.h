#pragma once

#include "sdk/FADefineShape.h"

class FColor;
class FFillStyleBitmap;

// Shape tag (code 2) with solid, bitmap and line styles. The header is short for bodies up to
// 62 bytes.
class FDTDefineShape : public FADefineShape
{
public:
    explicit FDTDefineShape(FRect* bounds);
    U32 AddSolidFillStyle(FColor* color);
    U32 AddLineStyle(U32 width, FColor* color);
    U32 AddFillStyle(FFillStyleBitmap* style);
    void Write(FSWFStream& stream) override;
};
