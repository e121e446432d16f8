#include "sdk/FCTPlaceObject2.h"

#include "sdk/FCXFormWAlpha.h"
#include "sdk/FMatrix.h"
#include "sdk/FSWFStream.h"
#include "sdk/FString.h"

FCTPlaceObject2::FCTPlaceObject2(U16 hasClipDepth_, U16 hasRatio_, U16 hasCharacter_, U16 move_,
    U16 depth_, U16 characterId_, FMatrix* matrix_, FCXFormWAlpha* cxform_, U16 ratio_,
    FString* name_, U16 clipDepth_)
    : hasClipDepth(hasClipDepth_)
    , hasRatio(hasRatio_)
    , hasCharacter(hasCharacter_)
    , move(move_)
    , depth(depth_)
    , characterId(characterId_)
    , matrix(matrix_)
    , cxform(cxform_)
    , ratio(ratio_)
    , name(name_)
    , clipDepth(clipDepth_)
{
}

FCTPlaceObject2::~FCTPlaceObject2() = default;

void FCTPlaceObject2::Write(FSWFStream& stream)
{
    FSWFStream body;
    const U32 flags[] = { 0, hasClipDepth, name != nullptr, hasRatio, cxform != nullptr,
        matrix != nullptr, hasCharacter, move }; // clip actions are never written
    for (U32 flag : flags)
        body.PutBits(flag, 1);
    body.PutU16(depth);
    if (hasCharacter)
        body.PutU16(characterId);
    if (matrix)
        matrix->Write(body);
    if (cxform)
        cxform->Write(body);
    if (hasRatio)
        body.PutU16(ratio);
    if (name)
        name->Write(body, true);
    if (hasClipDepth)
        body.PutU16(clipDepth);
    stream.PutTag(26, body.ByteSize(), &body);
}
