#include "swfread/SwfBitReader.h"
#include "swfread/SwfRecordReader.h"
#include "swfread/SwfTagParsers.h"

namespace brindlecast::swfread
{
namespace
{

    constexpr uint8_t kActionGetUrl = 0x83;

    SwfAction readAction(SwfBitReader& reader, uint8_t code)
    {
        SwfAction action;
        action.code = code;
        if (code < 0x80)
            return action; // actions below 0x80 carry no data
        const uint16_t length = reader.readU16();
        const auto data = reader.readBytes(length);
        action.data.assign(data.begin(), data.end());
        if (code == kActionGetUrl) {
            SwfBitReader strings(data, "get-URL action");
            SwfGetUrl getUrl;
            getUrl.url = strings.readString();
            getUrl.target = strings.readString();
            strings.expectEnd();
            action.getUrl = std::move(getUrl);
        }
        return action;
    }

    std::vector<SwfAction> readActions(SwfBitReader& reader)
    {
        std::vector<SwfAction> actions;
        for (uint8_t code = reader.readU8(); code != 0; code = reader.readU8())
            actions.push_back(readAction(reader, code));
        return actions;
    }

    SwfButtonRecord readButtonRecord(SwfBitReader& reader)
    {
        SwfButtonRecord record;
        reader.readBits(4); // reserved
        record.hitTest = reader.readFlag();
        record.down = reader.readFlag();
        record.over = reader.readFlag();
        record.up = reader.readFlag();
        record.characterId = reader.readU16();
        record.layer = reader.readU16();
        record.matrix = readMatrix(reader);
        record.colorTransform = readColorTransformWithAlpha(reader);
        return record;
    }

    // Each condition but the last starts with the distance to the next one; the last with 0.
    std::vector<SwfButtonCondition> readConditions(SwfBitReader& reader)
    {
        std::vector<SwfButtonCondition> conditions;
        for (;;) {
            const size_t start = reader.bytePosition();
            const uint16_t size = reader.readU16();
            SwfButtonCondition condition;
            condition.flags = reader.readU16();
            condition.actions = readActions(reader);
            conditions.push_back(std::move(condition));
            if (size == 0)
                return conditions;
            if (start + size < reader.bytePosition())
                reader.fail("a button condition is longer than its size field of "
                    + std::to_string(size) + " says");
            reader.seek(start + size);
        }
    }

} // namespace

SwfButton parseButton(const SwfTag& tag)
{
    expectTagCode(tag, { kTagDefineButton2 }, "DefineButton2");
    SwfBitReader reader(tag.body, "tag");
    SwfButton button;
    button.id = reader.readU16();
    button.trackAsMenu = (reader.readU8() & 0x01) != 0;
    const size_t offsetField = reader.bytePosition();
    button.actionOffset = reader.readU16();
    for (uint8_t flags = reader.readU8(); flags != 0; flags = reader.readU8()) {
        reader.seek(reader.bytePosition() - 1);
        button.records.push_back(readButtonRecord(reader));
    }
    if (button.actionOffset != 0) {
        if (offsetField + button.actionOffset < reader.bytePosition())
            reader.fail("the action offset " + std::to_string(button.actionOffset)
                + " points into the button records");
        reader.seek(offsetField + button.actionOffset);
        button.conditions = readConditions(reader);
    }
    reader.expectEnd();
    return button;
}

} // namespace brindlecast::swfread
