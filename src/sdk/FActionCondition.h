#pragma once

#include "sdk/FTypes.h"

#include <memory>
#include <vector>

class FActionRecord;
class FSWFStream;

// A set of pointer events of a button and the actions run when one of them occurs; owns the
// actions. Condition codes 1 to 9 name the events; any other code changes nothing.
class FActionCondition
{
public:
    FActionCondition();
    ~FActionCondition();
    void AddCondition(U16 code);
    void AddActionRecord(FActionRecord* action);
    // The last condition of a button carries size 0 instead of the distance to the next one.
    void Write(FSWFStream& stream, bool last) const;

private:
    void WriteFlagsAndActions(FSWFStream& stream) const;

    std::vector<std::unique_ptr<FActionRecord>> actions;
    U16 conditionFlags = 0;
};
