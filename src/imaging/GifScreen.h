#pragma once

#include "imaging/GifColorMap.h"

#include <cstdint>

namespace brindlecast::imaging
{

// What a GIF file says about the image as a whole, ahead of its frames.
struct GifScreen {
    int width = 0; // logical screen size in pixels
    int height = 0;
    int colorResolution = 0; // the header's colour resolution field, kept for writing
    int backgroundIndex = 0;
    GifColorMap globalColorMap;

    // The global table's entry at the background index as 0x00BBGGRR (red in the low byte);
    // black when the file has no global table or the index lies past it.
    std::uint32_t backgroundColor() const;
};

} // namespace brindlecast::imaging
