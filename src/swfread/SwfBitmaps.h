#pragma once

#include <cstdint>
#include <vector>

namespace brindlecast::swfread
{

// DefineBitsLossless (code 20) and DefineBitsLossless2 (code 36), inflated.
struct SwfLosslessBitmap {
    uint16_t code = 0;
    uint16_t id = 0;
    uint8_t format = 0; // 3: 8-bit colour-mapped, 4: 15-bit RGB, 5: 24-bit RGB
    uint16_t width = 0;
    uint16_t height = 0;
    uint32_t colorTableSize = 0; // entries; 0 for formats without a table
    // Entries of 4 bytes (red, green, blue, alpha) for code 36, of 3 bytes (red, green, blue)
    // for code 20.
    std::vector<uint8_t> colorTable;
    uint32_t rowBytes = 0; // every row is padded to a multiple of 4 bytes
    std::vector<uint8_t> pixels; // rowBytes * height bytes, top row first
    bool operator==(const SwfLosslessBitmap&) const = default;
};

// DefineBitsJPEG2 (code 21).
struct SwfJpegBitmap {
    uint16_t id = 0;
    // Whether the data carried the writer's wrapper: the marker pair FF D9 FF D8 in front and an
    // extra FF D9 behind the file's own end marker.
    bool wrapped = false;
    std::vector<uint8_t> jpeg; // the embedded JPEG file, wrapper removed
    bool operator==(const SwfJpegBitmap&) const = default;
};

} // namespace brindlecast::swfread
