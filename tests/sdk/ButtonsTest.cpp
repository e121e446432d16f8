#include "ByteVectors.h"
#include "sdk/FActionCondition.h"
#include "sdk/FActions.h"
#include "sdk/FButtonRecord2.h"
#include "sdk/FCXFormWAlpha.h"
#include "sdk/FDTDefineButton2.h"
#include "sdk/FMatrix.h"
#include "sdk/FSWFStream.h"
#include "sdk/FString.h"

#include <memory>

using namespace sdktest;

namespace
{

// One state of the link button: identity matrix, the invisible colour transform, layer 1.
FButtonRecord2* StateRecord(U8 hit, U8 down, U8 over, U8 up, U16 characterId)
{
    return new FButtonRecord2(hit, down, over, up, characterId, 1, new FMatrix(),
        new FCXFormWAlpha(1, 0, 0, 0, 0, 0, 0, 0, 0, 0));
}

FActionCondition* Condition(U16 code, const char* url, const char* target)
{
    auto* condition = new FActionCondition();
    condition->AddCondition(code);
    condition->AddActionRecord(new FActionGetURL(new FString(url), new FString(target)));
    return condition;
}

// Id 5, push button, characters 1 to 4 for up, over, down and hit test, then the conditions.
void WriteLinkButton(FSWFStream& stream, std::initializer_list<FActionCondition*> conditions)
{
    for (int i = 0; i < 4; ++i)
        NextCharacterId();
    FDTDefineButton2 button(0);
    button.AddButtonRecord(StateRecord(0, 0, 0, 1, 1));
    button.AddButtonRecord(StateRecord(0, 0, 1, 0, 2));
    button.AddButtonRecord(StateRecord(0, 1, 0, 0, 3));
    button.AddButtonRecord(StateRecord(1, 0, 0, 0, 4));
    for (FActionCondition* condition : conditions)
        button.AddActionCondition(condition);
    button.Write(stream);
}

const Bytes kLinkButtonRecords = hexBytes("01 01 00 01 00 00 44 00 02 02 00 01 00 00 44 00"
                                          "04 03 00 01 00 00 44 00 08 04 00 01 00 00 44 00 00");
const Bytes kReleaseOpensPage
    = hexBytes("00 00 08 00 83 0E 00 61 2E 68 74 6D 6C 00 5F 62 6C 61 6E 6B 00 00");

Bytes FlagsOf(std::initializer_list<U16> codes)
{
    FActionCondition condition;
    for (U16 code : codes)
        condition.AddCondition(code);
    FSWFStream stream;
    condition.Write(stream, true);
    const Bytes bytes = Contents(stream);
    return Bytes(bytes.begin() + 2, bytes.begin() + 4);
}

} // namespace

TEST(Buttons, WireForms)
{
    CheckVectors({
        { "up-state record",
            [](auto& s) { std::unique_ptr<FButtonRecord2>(StateRecord(0, 0, 0, 1, 1))->Write(s); },
            hexBytes("01 01 00 01 00 00 44 00") },
        { "get URL",
            [](auto& s) { FActionGetURL(new FString("a.html"), new FString("_blank")).Write(s); },
            hexBytes("83 0E 00 61 2E 68 74 6D 6C 00 5F 62 6C 61 6E 6B 00") },
        { "get URL with an empty target",
            [](auto& s) { FActionGetURL(new FString("x"), new FString("")).Write(s); },
            hexBytes("83 03 00 78 00 00") },
        { "link button with one condition",
            [](auto& s) { WriteLinkButton(s, { Condition(6, "a.html", "_blank") }); },
            concat({ hexBytes("BC 08 05 00 00 23 00"), kLinkButtonRecords, kReleaseOpensPage }) },
        // 71-byte body: the long header.
        { "two conditions, the first size-prefixed",
            [](auto& s) {
                WriteLinkButton(s, { Condition(2, "x", ""), Condition(6, "a.html", "_blank") });
            },
            concat({ hexBytes("BF 08 47 00 00 00 05 00 00 23 00"), kLinkButtonRecords,
                hexBytes("0B 00 80 00 83 03 00 78 00 00 00"), kReleaseOpensPage }) },
    });
}

TEST(Buttons, ConditionCodesSetTheirFlagOnce)
{
    struct Case {
        const char* name;
        std::initializer_list<U16> codes;
        Bytes flags;
    };
    const Case cases[] = {
        { "code 0 and 10 change nothing", { 0, 10 }, hexBytes("00 00") },
        { "release over the button, twice", { 6, 6 }, hexBytes("08 00") },
        { "highest and lowest events", { 1, 9 }, hexBytes("01 01") },
        { "pressed outside and back", { 3, 4, 5 }, hexBytes("70 00") },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_TRUE(sameBytes(FlagsOf(c.codes), c.flags));
    }
}
