#pragma once

#include "imaging/GifColorMap.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace brindlecast::imaging
{

inline constexpr int kGifGraphicControlFunction = 0xF9;

// One extension block as stored: its label (0xF9 graphic control, 0xFE comment, 0xFF
// application, 0x01 plain text) and its data sub-blocks, each at most 255 bytes.
struct GifExtension {
    int function = 0;
    std::vector<std::vector<std::uint8_t>> blocks;

    friend bool operator==(const GifExtension&, const GifExtension&) = default;
};

// How a frame is shown: the graphic control extension's fields.
struct GifGraphicControl {
    bool transparent = false;
    std::uint8_t transparentIndex = 0;
    int delay = 0; // hundredths of a second
    int disposal = 0; // 0 unspecified, 1 keep, 2 restore background, 3 restore previous

    friend bool operator==(const GifGraphicControl&, const GifGraphicControl&) = default;
};

// One frame (image descriptor) of a GIF file with everything the file attaches to it.
struct GifFrame {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool interlaced = false; // as stored; the raster below is always in row order
    GifColorMap localColorMap;
    std::optional<GifGraphicControl> graphicControl;
    // Every extension block placed before this frame's descriptor, graphic control included.
    std::vector<GifExtension> extensions;
    // width x height colour indices, row by row from the top, exactly as stored: indices past
    // the colour table are kept.
    std::vector<std::uint8_t> raster;

    // Whether the frame has a picture: a non-empty size and a raster of that size.
    bool yieldsBitmap() const;
    bool hasOtherExtensions() const;
    // The table the frame's indices refer to: its own when that has entries, else the global one.
    const GifColorMap& colorMap(const GifColorMap& globalColorMap) const;
    // The transparent index, when the graphic control extension sets its flag.
    std::optional<std::uint8_t> transparentIndex() const;
};

} // namespace brindlecast::imaging
