#include "conversion/GifFrameBitmap.h"

#include <algorithm>
#include <cstddef>

namespace brindlecast
{

int PaddedGifWidth(int width)
{
    return (width + 3) / 4 * 4;
}

int PaddedGifHeight(int width, int height)
{
    if (height % 4 != 0)
        return (height + 3) / 4 * 4;
    return width % 4 == 0 ? height : height + 4;
}

GifFrameBitmap MakeGifFrameBitmap(
    const imaging::GifFrame& frame, const imaging::GifColorMap& globalColorMap)
{
    GifFrameBitmap bitmap;
    bitmap.width = frame.width;
    bitmap.height = frame.height;
    bitmap.paddedWidth = PaddedGifWidth(frame.width);
    bitmap.paddedHeight = PaddedGifHeight(frame.width, frame.height);

    const imaging::GifColorMap& table = frame.colorMap(globalColorMap);
    const std::size_t entries = std::min<std::size_t>(table.size(), 256);
    for (std::size_t i = 0; i < entries; ++i) {
        bitmap.palette[i * 4] = table[i].red;
        bitmap.palette[i * 4 + 1] = table[i].green;
        bitmap.palette[i * 4 + 2] = table[i].blue;
        bitmap.palette[i * 4 + 3] = 255;
    }
    if (const auto transparent = frame.transparentIndex())
        std::fill_n(bitmap.palette.begin() + *transparent * 4, 4, std::uint8_t { 0 });

    const auto paddedWidth = static_cast<std::size_t>(bitmap.paddedWidth);
    const auto width = static_cast<std::size_t>(frame.width);
    bitmap.pixels.assign(paddedWidth * static_cast<std::size_t>(bitmap.paddedHeight), 0);
    // A raster shorter than the frame leaves its missing rows at 0.
    const std::size_t rows = width == 0
        ? 0
        : std::min(static_cast<std::size_t>(frame.height), frame.raster.size() / width);
    for (std::size_t row = 0; row < rows; ++row) {
        const auto source = frame.raster.begin() + static_cast<std::ptrdiff_t>(row * width);
        std::copy_n(
            source, width, bitmap.pixels.begin() + static_cast<std::ptrdiff_t>(row * paddedWidth));
    }
    return bitmap;
}

} // namespace brindlecast
