#pragma once

#include "sdk/FTypes.h"

class FSWFStream;

// Abstract colour transform.
class FACXForm
{
public:
    virtual ~FACXForm() = default;
    virtual void Write(FSWFStream& stream) const = 0;
};

// Colour transform with alpha: 8.8 multiply terms and add terms, one field width for all
// eight terms, computed over all of them whatever the flags.
class FCXFormWAlpha : public FACXForm
{
public:
    FCXFormWAlpha(S32 hasAdd, S32 hasMult, S32 redMult, S32 greenMult, S32 blueMult, S32 alphaMult,
        S32 redAdd, S32 greenAdd, S32 blueAdd, S32 alphaAdd);
    void Write(FSWFStream& stream) const override;

private:
    S32 hasAdd;
    S32 hasMult;
    S32 termBits;
    S32 redMult;
    S32 greenMult;
    S32 blueMult;
    S32 alphaMult;
    S32 redAdd;
    S32 greenAdd;
    S32 blueAdd;
    S32 alphaAdd;
};
