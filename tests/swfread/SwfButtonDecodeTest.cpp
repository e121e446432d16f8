#include "SwfTestBytes.h"
#include "swfread/SwfTagDecoders.h"

#include <gtest/gtest.h>

namespace brindlecast::swfread::test
{
namespace
{

    // The four state records of the link button: characters 1 to 4 on layer 1, each invisible.
    const char* const kStateRecords = "01 01 00 01 00 00 44 00 02 02 00 01 00 00 44 00 "
                                      "04 03 00 01 00 00 44 00 08 04 00 01 00 00 44 00 00";
    const char* const kClickOpensPage
        = "00 00 08 00 83 0E 00 61 2E 68 74 6D 6C 00 5F 62 6C 61 6E 6B 00 00";

    SwfButtonRecord stateRecord(uint16_t characterId)
    {
        SwfButtonRecord record;
        record.hitTest = characterId == 4;
        record.down = characterId == 3;
        record.over = characterId == 2;
        record.up = characterId == 1;
        record.characterId = characterId;
        record.layer = 1;
        // Players read 44 00 as four multiply terms of 0 and no add terms.
        record.colorTransform.hasMult = true;
        record.colorTransform.bits = 1;
        record.colorTransform.redMult = record.colorTransform.greenMult = 0;
        record.colorTransform.blueMult = record.colorTransform.alphaMult = 0;
        return record;
    }

    SwfAction getUrl(const char* url, const char* target, Bytes data)
    {
        return { 0x83, std::move(data), SwfGetUrl { url, target } };
    }

    SwfButton linkButton()
    {
        SwfButton button;
        button.id = 5;
        button.actionOffset = 0x23;
        button.records = { stateRecord(1), stateRecord(2), stateRecord(3), stateRecord(4) };
        button.conditions = { { 0x0008,
            { getUrl(
                "a.html", "_blank", hexBytes("61 2E 68 74 6D 6C 00 5F 62 6C 61 6E 6B 00")) } } };
        return button;
    }

    TEST(SwfButtonDecode, DecodesButtonsFieldByField)
    {
        SwfButton twoConditions = linkButton();
        twoConditions.conditions.insert(twoConditions.conditions.begin(),
            { 0x0080, { getUrl("x", "", hexBytes("78 00 00")) } });
        SwfButton noConditions = linkButton();
        noConditions.actionOffset = 0;
        noConditions.conditions.clear();
        SwfButton menu;
        menu.id = 9;
        menu.trackAsMenu = true;
        menu.actionOffset = 3;
        menu.conditions = { { 0x0001, { { 0x07, {}, {} } } } }; // an action without data

        const struct {
            const char* name;
            SwfTag tag;
            const SwfButton& want;
        } cases[] = {
            { "link button",
                tagOf(std::string("BC 08 05 00 00 23 00 ") + kStateRecords + " " + kClickOpensPage),
                linkButton() },
            { "two conditions",
                tagWithBody(kTagDefineButton2,
                    concat({ hexBytes("05 00 00 23 00"), hexBytes(kStateRecords),
                        hexBytes("0B 00 80 00 83 03 00 78 00 00 00"), hexBytes(kClickOpensPage) })),
                twoConditions },
            { "no conditions",
                tagWithBody(kTagDefineButton2,
                    concat({ hexBytes("05 00 00 00 00"), hexBytes(kStateRecords) })),
                noConditions },
            { "menu button, no records",
                tagWithBody(kTagDefineButton2, hexBytes("09 00 01 03 00 00 00 00 01 00 07 00")),
                menu },
        };
        for (const auto& c : cases) {
            SCOPED_TRACE(c.name);
            const auto button = decodeButton(c.tag);
            ASSERT_TRUE(button) << button.error();
            EXPECT_EQ(button.value(), c.want);
        }
    }

    TEST(SwfButtonDecode, RejectsBrokenButtons)
    {
        const auto button = [](const std::string& body) {
            return decodeButton(tagWithBody(kTagDefineButton2, hexBytes(body))).error();
        };
        const std::string records = kStateRecords;
        const struct {
            const char* name;
            std::string error;
            const char* want;
        } cases[] = {
            { "records without their end", button("05 00 00 00 00 01 01 00 01 00 00 44 00"),
                "a record runs past the end of the tag" },
            { "action offset into the records",
                button("05 00 00 04 00 " + records + " " + kClickOpensPage),
                "the action offset 4 points into the button records" },
            { "action offset past the tag", button("05 00 00 40 00 " + records),
                "an offset points past the end of the tag" },
            { "condition longer than its size",
                button("05 00 00 23 00 " + records + " 05 00 80 00 83 03 00 78 00 00 00 "
                    + kClickOpensPage),
                "a button condition is longer than its size field of 5 says" },
            { "actions without their end", button("05 00 00 03 00 00 00 00 08 00 07"),
                "a record runs past the end of the tag" },
            { "action data past the tag", button("05 00 00 03 00 00 00 00 08 00 83 10 00 61 00"),
                "a record runs past the end of the tag" },
            { "get-URL without a target", button("05 00 00 03 00 00 00 00 08 00 83 02 00 61 00 00"),
                "a string has no terminating zero byte before the end of the get-URL action" },
            { "byte after the last condition", button("05 00 00 03 00 00 00 00 08 00 00 00"),
                "1 bytes are left over" },
        };
        for (const auto& c : cases) {
            SCOPED_TRACE(c.name);
            EXPECT_TRUE(contains(c.error, c.want));
        }
    }

} // namespace
} // namespace brindlecast::swfread::test
