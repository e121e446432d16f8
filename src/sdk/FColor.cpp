#include "sdk/FColor.h"

#include "sdk/FSWFStream.h"

FColor::FColor(U32 red_, U32 green_, U32 blue_)
    : red(red_)
    , green(green_)
    , blue(blue_)
{
}

void FColor::Write(FSWFStream& stream) const
{
    stream.PutU8(red);
    stream.PutU8(green);
    stream.PutU8(blue);
    if (writeAlpha)
        stream.PutU8(alpha);
}
