#pragma once

#include "swfread/SwfRecords.h"

#include <cstdint>
#include <optional>
#include <string>

namespace brindlecast::swfread
{

// PlaceObject2 (code 26). Each optional field is present exactly when its flag is set.
struct SwfPlaceObject {
    uint8_t flags = 0; // the stored flag byte
    bool move = false;
    uint16_t depth = 0;
    std::optional<uint16_t> characterId;
    std::optional<SwfMatrix> matrix;
    std::optional<SwfColorTransform> colorTransform;
    std::optional<uint16_t> ratio;
    std::optional<std::string> name;
    std::optional<uint16_t> clipDepth;
    bool operator==(const SwfPlaceObject&) const = default;
};

// RemoveObject (code 5).
struct SwfRemoveObject {
    uint16_t characterId = 0;
    uint16_t depth = 0;
    bool operator==(const SwfRemoveObject&) const = default;
};

// One entry of ExportAssets (code 56).
struct SwfAsset {
    uint16_t characterId = 0;
    std::string name;
    bool operator==(const SwfAsset&) const = default;
};

} // namespace brindlecast::swfread
