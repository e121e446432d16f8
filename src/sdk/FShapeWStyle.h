#pragma once

#include "sdk/FTypes.h"

#include <memory>
#include <vector>

class FFillStyleArray;
class FLineStyleArray;
class FShapeRec;
class FSWFStream;

// A shape's style arrays and drawing records; owns them all. The index widths are fixed from
// the style counts at construction.
class FShapeWStyle
{
public:
    FShapeWStyle(FFillStyleArray* fillStyles, FLineStyleArray* lineStyles);
    ~FShapeWStyle();
    void AddRecord(FShapeRec* record);
    void Write(FSWFStream& stream) const;

    U32 FillIndexBits() const { return fillIndexBits; }
    U32 LineIndexBits() const { return lineIndexBits; }

private:
    std::unique_ptr<FFillStyleArray> fillStyles;
    std::unique_ptr<FLineStyleArray> lineStyles;
    U32 fillIndexBits;
    U32 lineIndexBits;
    std::vector<std::unique_ptr<FShapeRec>> records;
};
