#pragma once

#include "sdk/FDT.h"

#include <memory>
#include <vector>

class FActionCondition;
class FButtonRecord2;

// Button tag (code 34): the characters of its up, over, down and hit-test states and the
// conditions with their actions. Owns its records and conditions; needs at least one
// condition before it is written.
class FDTDefineButton2 : public FDT
{
public:
    explicit FDTDefineButton2(U8 trackAsMenu);
    ~FDTDefineButton2() override;
    void AddButtonRecord(FButtonRecord2* record);
    void AddActionCondition(FActionCondition* condition);
    U16 CharacterId() override { return characterId; }
    void Write(FSWFStream& stream) override;

private:
    U16 characterId;
    U8 trackAsMenu;
    // Declared first so that the conditions are destroyed before the records.
    std::vector<std::unique_ptr<FButtonRecord2>> buttonRecords;
    std::vector<std::unique_ptr<FActionCondition>> conditions;
};
