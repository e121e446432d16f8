#include "sdk/FStyleArrays.h"

#include "sdk/FCheck.h"
#include "sdk/FSWFStream.h"

namespace
{

// Counts below 255 take one byte; larger ones the escape byte FF and a 16-bit count.
void WriteStyleCount(FSWFStream& stream, U32 count)
{
    if (count < 255) {
        stream.PutU8(count);
    } else {
        stream.PutU8(0xFF);
        stream.PutU16(count);
    }
}

} // namespace

U32 FFillStyleArray::Add(FAFillStyle* fillStyle)
{
    F_CHECK(fillStyle != nullptr, "fillStyle");
    styles.emplace_back(fillStyle);
    return Count();
}

void FFillStyleArray::Write(FSWFStream& stream) const
{
    WriteStyleCount(stream, Count());
    for (const auto& style : styles)
        style->Write(stream);
}

U32 FLineStyleArray::Add(FALineStyle* lineStyle)
{
    F_CHECK(lineStyle != nullptr, "lineStyle");
    styles.emplace_back(lineStyle);
    return Count();
}

void FLineStyleArray::Write(FSWFStream& stream) const
{
    WriteStyleCount(stream, Count());
    for (const auto& style : styles)
        style->Write(stream);
}
