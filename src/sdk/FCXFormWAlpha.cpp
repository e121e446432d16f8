#include "sdk/FCXFormWAlpha.h"

#include "sdk/FSWFStream.h"

FCXFormWAlpha::FCXFormWAlpha(S32 hasAdd_, S32 hasMult_, S32 redMult_, S32 greenMult_, S32 blueMult_,
    S32 alphaMult_, S32 redAdd_, S32 greenAdd_, S32 blueAdd_, S32 alphaAdd_)
    : hasAdd(hasAdd_)
    , hasMult(hasMult_)
    , termBits(static_cast<S32>(
          FSWFStream::SignedBits(FSWFStream::MaxAbs(redMult_, greenMult_, blueMult_, alphaMult_),
              FSWFStream::MaxAbs(redAdd_, greenAdd_, blueAdd_, alphaAdd_))))
    , redMult(redMult_)
    , greenMult(greenMult_)
    , blueMult(blueMult_)
    , alphaMult(alphaMult_)
    , redAdd(redAdd_)
    , greenAdd(greenAdd_)
    , blueAdd(blueAdd_)
    , alphaAdd(alphaAdd_)
{
}

void FCXFormWAlpha::Write(FSWFStream& stream) const
{
    const auto bits = static_cast<U32>(termBits);
    auto putTerms = [&stream, bits](S32 r, S32 g, S32 b, S32 a) {
        for (S32 term : { r, g, b, a })
            stream.PutBits(static_cast<U32>(term), bits);
    };
    stream.PutBits(static_cast<U32>(hasMult), 1); // multiply flag first
    stream.PutBits(static_cast<U32>(hasAdd), 1);
    stream.PutBits(bits, 4);
    if (hasMult)
        putTerms(redMult, greenMult, blueMult, alphaMult);
    if (hasAdd)
        putTerms(redAdd, greenAdd, blueAdd, alphaAdd);
    stream.PadToByte();
}
