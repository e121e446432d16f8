#pragma once

#include <cstdint>
#include <vector>

namespace brindlecast::swfread
{

enum SwfTagCode : uint16_t {
    kTagEnd = 0,
    kTagShowFrame = 1,
    kTagDefineShape = 2,
    kTagRemoveObject = 5,
    kTagSetBackgroundColor = 9,
    kTagDefineBitsLossless = 20,
    kTagDefineBitsJpeg2 = 21,
    kTagDefineShape2 = 22,
    kTagPlaceObject2 = 26,
    kTagDefineButton2 = 34,
    kTagDefineBitsLossless2 = 36,
    kTagExportAssets = 56,
};

// One tag as stored: its code, the length field of its header, whether the header was the
// long (6-byte) form, and its body.
struct SwfTag {
    uint16_t code = 0;
    uint32_t length = 0;
    bool longHeader = false;
    uint32_t offset = 0; // of the tag header in the uncompressed file
    std::vector<uint8_t> body;
    bool operator==(const SwfTag&) const = default;
};

} // namespace brindlecast::swfread
