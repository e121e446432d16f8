#include "sdk/FButtonRecord2.h"

#include "sdk/FCXFormWAlpha.h"
#include "sdk/FCheck.h"
#include "sdk/FMatrix.h"
#include "sdk/FSWFStream.h"

FButtonRecord2::FButtonRecord2(U8 stateHitTest_, U8 stateDown_, U8 stateOver_, U8 stateUp_,
    U16 characterId_, U16 layer_, FMatrix* matrix_, FCXFormWAlpha* cxform_)
    : stateHitTest(stateHitTest_)
    , stateDown(stateDown_)
    , stateOver(stateOver_)
    , stateUp(stateUp_)
    , characterId(characterId_)
    , layer(layer_)
    , matrix(matrix_)
    , cxform(cxform_)
{
    F_CHECK(matrix != nullptr && cxform != nullptr, "matrix && cxform");
}

FButtonRecord2::~FButtonRecord2() = default;

void FButtonRecord2::Write(FSWFStream& stream) const
{
    stream.PutBits(0, 4); // reserved
    for (U8 state : { stateHitTest, stateDown, stateOver, stateUp })
        stream.PutBits(state, 1);
    stream.PutU16(characterId);
    stream.PutU16(layer);
    matrix->Write(stream);
    cxform->Write(stream);
}
