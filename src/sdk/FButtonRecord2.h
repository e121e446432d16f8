#pragma once

#include "sdk/FTypes.h"

#include <memory>

class FCXFormWAlpha;
class FMatrix;
class FSWFStream;

// Abstract button record.
class FAButtonRecord
{
public:
    virtual void Write(FSWFStream& stream) const = 0;
    virtual ~FAButtonRecord() = default;
};

// A character shown in the states whose flags are set, on a layer inside the button. The
// matrix and colour transform are required and owned.
class FButtonRecord2 : public FAButtonRecord
{
public:
    FButtonRecord2(U8 stateHitTest, U8 stateDown, U8 stateOver, U8 stateUp, U16 characterId,
        U16 layer, FMatrix* matrix, FCXFormWAlpha* cxform);
    ~FButtonRecord2() override;
    void Write(FSWFStream& stream) const override;

private:
    U8 stateHitTest;
    U8 stateDown;
    U8 stateOver;
    U8 stateUp;
    U16 characterId;
    U16 layer;
    std::unique_ptr<FMatrix> matrix;
    std::unique_ptr<FCXFormWAlpha> cxform;
};
