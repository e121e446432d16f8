#include "sdk/FRect.h"

#include "sdk/FSWFStream.h"

FRect::FRect(S32 xmin_, S32 ymin_, S32 xmax_, S32 ymax_)
    : xmin(xmin_)
    , xmax(xmax_)
    , ymin(ymin_)
    , ymax(ymax_)
{
}

void FRect::Write(FSWFStream& stream) const
{
    const U32 n = FSWFStream::SignedBits(xmin, xmax, ymin, ymax);
    stream.PutBits(n, 5);
    for (S32 value : { xmin, xmax, ymin, ymax })
        stream.PutBits(static_cast<U32>(value), n);
    stream.PadToByte();
}
