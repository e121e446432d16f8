#include "sdk/FShapeRecords.h"

#include "sdk/FCheck.h"
#include "sdk/FSWFStream.h"

namespace
{

void PutSigned(FSWFStream& stream, S32 value, U32 width)
{
    stream.PutBits(static_cast<U32>(value), width);
}

} // namespace

FShapeRecChange::FShapeRecChange(S32 newStyles_, S32 hasLineStyle_, S32 hasFillStyle1_,
    S32 hasFillStyle0_, S32 hasMoveTo_, S32 moveDeltaX_, S32 moveDeltaY_, S32 fillStyle0_,
    S32 fillStyle1_, S32 lineStyle_, FFillStyleArray* newFillStyles, FLineStyleArray* newLineStyles)
    : newStyles(newStyles_)
    , hasLineStyle(hasLineStyle_)
    , hasFillStyle1(hasFillStyle1_)
    , hasFillStyle0(hasFillStyle0_)
    , hasMoveTo(hasMoveTo_)
    , moveBits(static_cast<S32>(FSWFStream::SignedBits(moveDeltaX_, moveDeltaY_)))
    , moveDeltaX(moveDeltaX_)
    , moveDeltaY(moveDeltaY_)
    , fillStyle0(fillStyle0_)
    , fillStyle1(fillStyle1_)
    , lineStyle(lineStyle_)
{
    // Players accept new styles only in later shape tags than the one this writer emits.
    F_CHECK(newStyles == 0 && newFillStyles == nullptr && newLineStyles == nullptr,
        "newStyles == 0 && !newFillStyles && !newLineStyles");
}

void FShapeRecChange::Write(FSWFStream& stream) const
{
    stream.PutBits(0, 1); // not an edge
    for (S32 flag : { newStyles, hasLineStyle, hasFillStyle1, hasFillStyle0, hasMoveTo })
        PutSigned(stream, flag, 1);
    if (hasMoveTo) {
        PutSigned(stream, moveBits, 5);
        PutSigned(stream, moveDeltaX, static_cast<U32>(moveBits));
        PutSigned(stream, moveDeltaY, static_cast<U32>(moveBits));
    }
    if (hasFillStyle0)
        PutSigned(stream, fillStyle0, static_cast<U32>(fillBits));
    if (hasFillStyle1)
        PutSigned(stream, fillStyle1, static_cast<U32>(fillBits));
    if (hasLineStyle)
        PutSigned(stream, lineStyle, static_cast<U32>(lineBits));
}

FShapeRecEdgeStraight::FShapeRecEdgeStraight(S32 deltaX, S32 deltaY)
{
    // A zero-length edge has no representable width.
    F_CHECK(deltaX != 0 || deltaY != 0, "deltaX != 0 || deltaY != 0");
    if (deltaX != 0 && deltaY != 0) {
        generalLine = 1;
        generalDeltaX = deltaX;
        generalDeltaY = deltaY;
    } else if (deltaX == 0) {
        vertLine = 1;
        verticalDelta = deltaY;
    } else {
        horizontalDelta = deltaX;
    }
    edgeBits = FSWFStream::SignedBits(generalDeltaX, generalDeltaY, horizontalDelta, verticalDelta);
}

void FShapeRecEdgeStraight::Write(FSWFStream& stream) const
{
    stream.PutBits(1, 1); // edge
    stream.PutBits(1, 1); // straight
    stream.PutBits(edgeBits - 2, 4);
    stream.PutBits(generalLine, 1);
    if (generalLine) {
        PutSigned(stream, generalDeltaX, edgeBits);
        PutSigned(stream, generalDeltaY, edgeBits);
    } else {
        stream.PutBits(vertLine, 1);
        PutSigned(stream, vertLine ? verticalDelta : horizontalDelta, edgeBits);
    }
}

void FShapeRecEnd::Write(FSWFStream& stream) const
{
    stream.PutBits(0, 6); // not an edge, no state flags
    stream.PadToByte();
}
