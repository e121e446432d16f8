#pragma once

#include <cstdint>
#include <vector>

namespace brindlecast::imaging
{

// A picture for display: 4 bytes per pixel in the order red, green, blue, alpha, rows from
// the top, no padding.
struct RgbaImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels;
};

} // namespace brindlecast::imaging
