#pragma once

#include <cstdint>
#include <vector>

namespace brindlecast::imaging
{

struct GifColor {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    friend bool operator==(const GifColor&, const GifColor&) = default;
};

// A colour table as stored in the file; empty when the file has none at that place.
using GifColorMap = std::vector<GifColor>;

} // namespace brindlecast::imaging
