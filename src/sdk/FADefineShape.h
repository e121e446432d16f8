#pragma once

#include "sdk/FDT.h"

#include <memory>

class FAFillStyle;
class FFillStyleArray;
class FLineStyleArray;
class FRect;
class FShapeRec;
class FShapeWStyle;

// What both shape tags share. A shape is built in two phases: styles are added while the style
// arrays are open; FinishStyleArrays closes them and fixes the index widths; then the drawing
// records are added (a style change, the edges, one end record). Owns the bounds, the style
// arrays and the records.
class FADefineShape : public FDT
{
public:
    ~FADefineShape() override;
    U16 CharacterId() override { return characterId; }
    void FinishStyleArrays();
    void AddShapeRecord(FShapeRec* record);

protected:
    explicit FADefineShape(FRect* bounds);
    U32 AddFill(FAFillStyle* style);
    // Character id, bounds and shape with its styles.
    void WriteBody(FSWFStream& body) const;

    std::unique_ptr<FFillStyleArray> fillStyles;
    std::unique_ptr<FLineStyleArray> lineStyles;
    bool styleArraysFinished = false;

private:
    U16 characterId;
    std::unique_ptr<FRect> bounds;
    std::unique_ptr<FShapeWStyle> shapeWithStyle;
};
