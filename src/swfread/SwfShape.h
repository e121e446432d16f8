#pragma once

#include "swfread/SwfRecords.h"

#include <cstdint>
#include <vector>

namespace brindlecast::swfread
{

struct SwfFillStyle {
    enum class Kind { Solid, Bitmap };
    Kind kind = Kind::Solid;
    uint8_t type = 0; // 0x00 solid; 0x40 to 0x43 bitmap (tiled, clipped, smoothed or not)
    SwfColor color; // solid fills
    uint16_t bitmapId = 0; // bitmap fills
    SwfMatrix matrix; // bitmap fills
    bool operator==(const SwfFillStyle&) const = default;
};

struct SwfLineStyle {
    uint16_t width = 0; // twips
    SwfColor color;
    bool operator==(const SwfLineStyle&) const = default;
};

// One shape record. Style indexes are 1-based into the shape's current arrays; 0 means none.
struct SwfShapeRecord {
    enum class Kind { StyleChange, StraightEdge, CurvedEdge, End };
    Kind kind = Kind::End;

    // StyleChange
    bool hasMoveTo = false;
    int32_t moveX = 0;
    int32_t moveY = 0;
    bool hasFillStyle0 = false;
    uint32_t fillStyle0 = 0;
    bool hasFillStyle1 = false;
    uint32_t fillStyle1 = 0;
    bool hasLineStyle = false;
    uint32_t lineStyle = 0;
    bool hasNewStyles = false;
    std::vector<SwfFillStyle> newFillStyles;
    std::vector<SwfLineStyle> newLineStyles;

    // StraightEdge: the delta; CurvedEdge: control point delta, then anchor delta (dx2, dy2).
    int32_t dx = 0;
    int32_t dy = 0;
    int32_t dx2 = 0;
    int32_t dy2 = 0;

    bool operator==(const SwfShapeRecord&) const = default;
};

// DefineShape (code 2) and DefineShape2 (code 22).
struct SwfShape {
    uint16_t code = 0;
    uint16_t id = 0;
    SwfRect bounds;
    std::vector<SwfFillStyle> fillStyles;
    std::vector<SwfLineStyle> lineStyles;
    uint32_t fillIndexBits = 0;
    uint32_t lineIndexBits = 0;
    std::vector<SwfShapeRecord> records; // the last one is the end record
    bool operator==(const SwfShape&) const = default;
};

} // namespace brindlecast::swfread
