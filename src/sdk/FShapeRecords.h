#pragma once

#include "sdk/FTypes.h"

class FFillStyleArray;
class FLineStyleArray;
class FSWFStream;

// A shape record: bit-packed, never aligned except by the end record. The shape passes its
// style index widths to every record when the record is added.
class FShapeRec
{
public:
    virtual ~FShapeRec() = default;
    virtual void Write(FSWFStream& stream) const = 0;
    virtual void SetFillBits(U32 bits) = 0;
    virtual void SetLineBits(U32 bits) = 0;
};

// Style change: selects fill and line styles by index and optionally moves the pen. New style
// arrays inside a shape are not offered: newStyles must be 0 and both arrays absent.
class FShapeRecChange : public FShapeRec
{
public:
    FShapeRecChange(S32 newStyles, S32 hasLineStyle, S32 hasFillStyle1, S32 hasFillStyle0,
        S32 hasMoveTo, S32 moveDeltaX, S32 moveDeltaY, S32 fillStyle0, S32 fillStyle1,
        S32 lineStyle, FFillStyleArray* newFillStyles, FLineStyleArray* newLineStyles);
    void Write(FSWFStream& stream) const override;
    void SetFillBits(U32 bits) override { fillBits = static_cast<S32>(bits); }
    void SetLineBits(U32 bits) override { lineBits = static_cast<S32>(bits); }

private:
    S32 newStyles;
    S32 hasLineStyle;
    S32 hasFillStyle1;
    S32 hasFillStyle0;
    S32 hasMoveTo;
    S32 moveBits;
    S32 fillBits = 0;
    S32 lineBits = 0;
    S32 moveDeltaX;
    S32 moveDeltaY;
    S32 fillStyle0;
    S32 fillStyle1;
    S32 lineStyle;
};

// Straight edge from the current point; horizontal and vertical edges carry one delta only.
class FShapeRecEdgeStraight : public FShapeRec
{
public:
    FShapeRecEdgeStraight(S32 deltaX, S32 deltaY);
    void Write(FSWFStream& stream) const override;
    void SetFillBits(U32) override { }
    void SetLineBits(U32) override { }

private:
    U32 generalLine = 0;
    U32 vertLine = 0;
    S32 generalDeltaX = 0;
    S32 generalDeltaY = 0;
    S32 horizontalDelta = 0;
    S32 verticalDelta = 0;
    U32 edgeBits;
};

// End of the shape: six zero bits, then alignment.
class FShapeRecEnd : public FShapeRec
{
public:
    void Write(FSWFStream& stream) const override;
    void SetFillBits(U32) override { }
    void SetLineBits(U32) override { }
};
