#pragma once

#include "swfread/SwfRecords.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace brindlecast::swfread
{

struct SwfButtonRecord {
    bool hitTest = false;
    bool down = false;
    bool over = false;
    bool up = false;
    uint16_t characterId = 0;
    uint16_t layer = 0;
    SwfMatrix matrix;
    SwfColorTransform colorTransform;
    bool operator==(const SwfButtonRecord&) const = default;
};

struct SwfGetUrl {
    std::string url;
    std::string target;
    bool operator==(const SwfGetUrl&) const = default;
};

// One action. Actions other than get-URL keep their stored data undecoded.
struct SwfAction {
    uint8_t code = 0;
    std::vector<uint8_t> data; // the bytes after the length field (codes 0x80 and above)
    std::optional<SwfGetUrl> getUrl; // code 0x83
    bool operator==(const SwfAction&) const = default;
};

struct SwfButtonCondition {
    uint16_t flags = 0; // event flags in bits 0 to 8, key code in bits 9 to 15
    std::vector<SwfAction> actions;
    bool operator==(const SwfButtonCondition&) const = default;
};

// DefineButton2 (code 34).
struct SwfButton {
    uint16_t id = 0;
    bool trackAsMenu = false;
    uint16_t actionOffset = 0;
    std::vector<SwfButtonRecord> records;
    std::vector<SwfButtonCondition> conditions;
    bool operator==(const SwfButton&) const = default;
};

} // namespace brindlecast::swfread
