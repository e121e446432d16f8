#include "sdk/FADefineShape.h"

#include "sdk/FCheck.h"
#include "sdk/FRect.h"
#include "sdk/FSWFStream.h"
#include "sdk/FShapeRecords.h"
#include "sdk/FShapeWStyle.h"
#include "sdk/FStyleArrays.h"

FADefineShape::FADefineShape(FRect* bounds_)
    : fillStyles(std::make_unique<FFillStyleArray>())
    , lineStyles(std::make_unique<FLineStyleArray>())
    , characterId(NextCharacterId())
    , bounds(bounds_)
{
}

FADefineShape::~FADefineShape() = default;

U32 FADefineShape::AddFill(FAFillStyle* style)
{
    F_CHECK(!styleArraysFinished, "!styleArraysFinished");
    return fillStyles->Add(style);
}

void FADefineShape::FinishStyleArrays()
{
    F_CHECK(!styleArraysFinished, "!styleArraysFinished");
    styleArraysFinished = true;
    shapeWithStyle = std::make_unique<FShapeWStyle>(fillStyles.release(), lineStyles.release());
}

void FADefineShape::AddShapeRecord(FShapeRec* record)
{
    F_CHECK(styleArraysFinished, "styleArraysFinished");
    record->SetFillBits(shapeWithStyle->FillIndexBits());
    record->SetLineBits(shapeWithStyle->LineIndexBits());
    shapeWithStyle->AddRecord(record);
}

void FADefineShape::WriteBody(FSWFStream& body) const
{
    F_CHECK(styleArraysFinished, "styleArraysFinished");
    body.PutU16(characterId);
    bounds->Write(body);
    shapeWithStyle->Write(body);
}
