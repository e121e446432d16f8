#pragma once

#include "imaging/GifColorMap.h"
#include "imaging/GifFrame.h"

#include <array>
#include <cstdint>
#include <vector>

namespace brindlecast
{

// One GIF frame made ready for a colour-mapped lossless bitmap: the 256-entry RGBA palette and
// the colour indices padded to the size players expect. Making it needs no movie, so it can be
// done ahead of the movie's assembly.
struct GifFrameBitmap {
    int width = 0; // the frame's own size in pixels
    int height = 0;
    int paddedWidth = 0;
    int paddedHeight = 0;
    std::array<std::uint8_t, 1024> palette {}; // red, green, blue, alpha per entry
    std::vector<std::uint8_t> pixels; // paddedWidth × paddedHeight indices; padding is 0
};

// Width up to a multiple of 4; the height grows to one as well, by 4 more when it already was
// one but the width was not (a 5 × 8 frame becomes 8 × 12, 4 × 6 becomes 4 × 8).
int PaddedGifWidth(int width);
int PaddedGifHeight(int width, int height);

// Palette: the transparent index is (0, 0, 0, 0); the frame's own table when it has entries,
// else the global one, gives (red, green, blue, 255); indices past the table are (0, 0, 0, 0).
GifFrameBitmap MakeGifFrameBitmap(
    const imaging::GifFrame& frame, const imaging::GifColorMap& globalColorMap);

} // namespace brindlecast
