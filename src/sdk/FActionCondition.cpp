#include "sdk/FActionCondition.h"

#include "sdk/FActions.h"
#include "sdk/FSWFStream.h"

FActionCondition::FActionCondition() = default;

FActionCondition::~FActionCondition() = default;

void FActionCondition::AddCondition(U16 code)
{
    // Code 1 is the highest event flag (0x0100), code 9 the lowest (0x0001).
    if (code >= 1 && code <= 9)
        conditionFlags = static_cast<U16>(conditionFlags | (1u << (9 - code)));
}

void FActionCondition::AddActionRecord(FActionRecord* action)
{
    actions.emplace_back(action);
}

void FActionCondition::Write(FSWFStream& stream, bool last) const
{
    if (last) {
        stream.PutU16(0);
        WriteFlagsAndActions(stream);
        return;
    }
    FSWFStream condition;
    WriteFlagsAndActions(condition);
    stream.PutU16(condition.ByteSize() + 2); // from this field to the next condition
    stream.AppendStream(condition);
}

void FActionCondition::WriteFlagsAndActions(FSWFStream& stream) const
{
    stream.PutU16(conditionFlags);
    for (const auto& action : actions)
        action->Write(stream);
    stream.PadToByte();
    stream.PutU8(0); // end of actions
}
