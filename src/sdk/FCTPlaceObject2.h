#pragma once

#include "sdk/FDT.h"

#include <memory>

class FCXFormWAlpha;
class FMatrix;
class FString;

// Places a character on a depth, or changes the one there (code 26). The matrix, colour
// transform and name are optional: present when their pointers are given; owned.
class FCTPlaceObject2 : public FCT
{
public:
    FCTPlaceObject2(U16 hasClipDepth, U16 hasRatio, U16 hasCharacter, U16 move, U16 depth,
        U16 characterId, FMatrix* matrix, FCXFormWAlpha* cxform, U16 ratio, FString* name,
        U16 clipDepth);
    ~FCTPlaceObject2() override;
    void Write(FSWFStream& stream) override;

private:
    U16 hasClipDepth;
    U16 hasRatio;
    U16 hasCharacter;
    U16 move;
    U16 depth;
    U16 characterId;
    std::unique_ptr<FMatrix> matrix;
    std::unique_ptr<FCXFormWAlpha> cxform;
    U16 ratio;
    std::unique_ptr<FString> name;
    U16 clipDepth;
};
