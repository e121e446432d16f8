#include "sdk/FShapeWStyle.h"

#include "sdk/FSWFStream.h"
#include "sdk/FShapeRecords.h"
#include "sdk/FStyleArrays.h"

FShapeWStyle::FShapeWStyle(FFillStyleArray* fillStyles_, FLineStyleArray* lineStyles_)
    : fillStyles(fillStyles_)
    , lineStyles(lineStyles_)
    , fillIndexBits(FSWFStream::BitsNeeded(fillStyles->Count(), 0))
    , lineIndexBits(FSWFStream::BitsNeeded(lineStyles->Count(), 0))
{
}

FShapeWStyle::~FShapeWStyle() = default;

void FShapeWStyle::AddRecord(FShapeRec* record)
{
    records.emplace_back(record);
}

void FShapeWStyle::Write(FSWFStream& stream) const
{
    fillStyles->Write(stream);
    lineStyles->Write(stream);
    stream.PutBits(fillIndexBits, 4);
    stream.PutBits(lineIndexBits, 4);
    for (const auto& record : records)
        record->Write(stream);
    stream.PadToByte();
}
