#pragma once

#include "sdk/FTypes.h"

class FSWFStream;

// Transformation matrix record: 16.16 scale and rotate/skew terms, translation in twips. The
// field widths are computed once, at construction.
class FMatrix
{
public:
    FMatrix(); // identity: written as the single byte 00
    FMatrix(U32 hasScale, S32 scaleX, S32 scaleY, U32 hasRotate, S32 rotateSkew0, S32 rotateSkew1,
        S32 translateX, S32 translateY);
    void Write(FSWFStream& stream) const;

private:
    U32 hasScale = 0;
    U32 scaleBits = 0;
    S32 scaleX = 0;
    S32 scaleY = 0;
    U32 hasRotate = 0;
    U32 rotateBits = 0;
    S32 rotateSkew0 = 0;
    S32 rotateSkew1 = 0;
    U32 translateBits = 0;
    S32 translateX = 0;
    S32 translateY = 0;
    U16 identity = 1;
};
