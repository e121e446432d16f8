#include "sdk/FLineStyle.h"

#include "sdk/FColor.h"
#include "sdk/FSWFStream.h"

FLineStyle::FLineStyle(U32 width_, FColor* color_)
    : width(width_)
    , color(color_)
{
}

FLineStyle::~FLineStyle() = default;

void FLineStyle::Write(FSWFStream& stream) const
{
    stream.PutU16(width);
    color->Write(stream);
}
