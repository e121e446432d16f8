#include "sdk/FDTDefineButton2.h"

#include "sdk/FActionCondition.h"
#include "sdk/FButtonRecord2.h"
#include "sdk/FCheck.h"
#include "sdk/FSWFStream.h"

FDTDefineButton2::FDTDefineButton2(U8 trackAsMenu_)
    : characterId(NextCharacterId())
    , trackAsMenu(trackAsMenu_)
{
}

FDTDefineButton2::~FDTDefineButton2() = default;

void FDTDefineButton2::AddButtonRecord(FButtonRecord2* record)
{
    buttonRecords.emplace_back(record);
}

void FDTDefineButton2::AddActionCondition(FActionCondition* condition)
{
    conditions.emplace_back(condition);
}

void FDTDefineButton2::Write(FSWFStream& stream)
{
    F_CHECK(!conditions.empty(), "!conditions.empty()");
    FSWFStream body;
    body.PutU16(characterId);
    body.PutU8(trackAsMenu);

    FSWFStream records;
    for (const auto& record : buttonRecords)
        record->Write(records);
    records.PutU8(0); // end of records
    body.PutU16(records.ByteSize() + 2); // action offset, from this field to the first condition
    body.AppendStream(records);

    for (std::size_t i = 0; i < conditions.size(); ++i)
        conditions[i]->Write(body, i + 1 == conditions.size());
    stream.PutTag(34, body.ByteSize(), &body);
}
