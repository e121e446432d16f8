#pragma once

#include <cstdint>

namespace brindlecast::swfread
{

// The basic records embedded in tags, as stored: coordinates in twips, scale and rotate terms in
// 16.16 fixed point, and the bit widths the writer chose for each group of fields.

struct SwfRect {
    uint32_t bits = 0;
    int32_t xmin = 0;
    int32_t xmax = 0;
    int32_t ymin = 0;
    int32_t ymax = 0;
    bool operator==(const SwfRect&) const = default;
};

struct SwfMatrix {
    bool hasScale = false;
    uint32_t scaleBits = 0;
    int32_t scaleX = 0x10000;
    int32_t scaleY = 0x10000;
    bool hasRotate = false;
    uint32_t rotateBits = 0;
    int32_t rotateSkew0 = 0;
    int32_t rotateSkew1 = 0;
    uint32_t translateBits = 0;
    int32_t translateX = 0;
    int32_t translateY = 0;
    bool operator==(const SwfMatrix&) const = default;
};

struct SwfColor {
    uint8_t red = 0;
    uint8_t green = 0;
    uint8_t blue = 0;
    bool operator==(const SwfColor&) const = default;
};

// A colour transform with alpha; multiply terms are 8.8 fixed point. Absent terms keep their
// neutral values (multiply 256, add 0).
struct SwfColorTransform {
    bool hasMult = false;
    bool hasAdd = false;
    uint32_t bits = 0;
    int32_t redMult = 256;
    int32_t greenMult = 256;
    int32_t blueMult = 256;
    int32_t alphaMult = 256;
    int32_t redAdd = 0;
    int32_t greenAdd = 0;
    int32_t blueAdd = 0;
    int32_t alphaAdd = 0;
    bool operator==(const SwfColorTransform&) const = default;
};

} // namespace brindlecast::swfread
