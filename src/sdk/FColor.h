#pragma once

#include "sdk/FTypes.h"

class FSWFStream;

// RGB colour record; the alpha byte is written only when asked for.
class FColor
{
public:
    FColor(U32 red, U32 green, U32 blue);
    void SetWriteAlpha(bool write) { writeAlpha = write; }
    void Write(FSWFStream& stream) const;

private:
    U32 red;
    U32 green;
    U32 blue;
    U32 alpha = 255;
    bool writeAlpha = false;
};

// The colour type the background colour tag takes; same fields and wire form.
class FColorZell : public FColor
{
public:
    using FColor::FColor;
};
