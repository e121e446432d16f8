#pragma once

#include "sdk/FTypes.h"

class FSWFStream;

// Rectangle record in twips; the field width adapts to the largest magnitude.
class FRect
{
public:
    FRect(S32 xmin, S32 ymin, S32 xmax, S32 ymax);
    void Write(FSWFStream& stream) const;

private:
    // Wire order, unlike the constructor's.
    S32 xmin;
    S32 xmax;
    S32 ymin;
    S32 ymax;
};
