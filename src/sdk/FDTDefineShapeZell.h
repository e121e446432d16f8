#pragma once

#include "sdk/FADefineShape.h"

class FFillStyleBitmapZell;

// Shape tag (code 2) for a bitmap shown pixel for pixel; always written with the long header.
class FDTDefineShapeZell : public FADefineShape
{
public:
    explicit FDTDefineShapeZell(FRect* bounds);
    U32 AddFillStyle(FFillStyleBitmapZell* style);
    void Write(FSWFStream& stream) override;
};
