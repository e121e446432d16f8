#pragma once

#include "swfread/SwfRecords.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace brindlecast::swfread
{

// A character standing on a depth of the display list.
struct SwfDisplayObject {
    uint16_t depth = 0;
    uint16_t characterId = 0;
    SwfMatrix matrix; // identity unless the placement gave one
    std::optional<SwfColorTransform> colorTransform;
    uint16_t ratio = 0;
    std::string name;
    std::optional<uint16_t> clipDepth;
    bool operator==(const SwfDisplayObject&) const = default;
};

// Ordered by depth, lowest (drawn first) first.
using SwfDisplayList = std::vector<SwfDisplayObject>;

} // namespace brindlecast::swfread
