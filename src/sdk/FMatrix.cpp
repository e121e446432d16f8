#include "sdk/FMatrix.h"

#include "sdk/FSWFStream.h"

FMatrix::FMatrix() = default;

FMatrix::FMatrix(U32 hasScale_, S32 scaleX_, S32 scaleY_, U32 hasRotate_, S32 rotateSkew0_,
    S32 rotateSkew1_, S32 translateX_, S32 translateY_)
    : hasScale(hasScale_)
    , scaleBits(FSWFStream::SignedBits(scaleX_, scaleY_))
    , scaleX(scaleX_)
    , scaleY(scaleY_)
    , hasRotate(hasRotate_)
    , rotateBits(FSWFStream::SignedBits(rotateSkew0_, rotateSkew1_))
    , rotateSkew0(rotateSkew0_)
    , rotateSkew1(rotateSkew1_)
    , translateBits(FSWFStream::SignedBits(translateX_, translateY_))
    , translateX(translateX_)
    , translateY(translateY_)
    , identity(0)
{
}

void FMatrix::Write(FSWFStream& stream) const
{
    if (identity == 1) {
        stream.PutU8(0); // no scale, no rotate, translate width 0
        return;
    }
    auto putPair = [&stream](U32 bits, S32 first, S32 second) {
        stream.PutBits(static_cast<U32>(first), bits);
        stream.PutBits(static_cast<U32>(second), bits);
    };
    stream.PutBits(hasScale, 1);
    if (hasScale) {
        stream.PutBits(scaleBits, 5);
        putPair(scaleBits, scaleX, scaleY);
    }
    stream.PutBits(hasRotate, 1);
    if (hasRotate) {
        stream.PutBits(rotateBits, 5);
        putPair(rotateBits, rotateSkew0, rotateSkew1);
    }
    stream.PutBits(translateBits, 5);
    putPair(translateBits, translateX, translateY);
    stream.PadToByte();
}
