#include "imaging/GifRendering.h"

namespace brindlecast::imaging
{

RgbaImage renderGifFrame(const GifFrame& frame, const GifColorMap& globalColorMap)
{
    RgbaImage image;
    if (!frame.yieldsBitmap())
        return image;
    image.width = frame.width;
    image.height = frame.height;
    image.pixels.assign(frame.raster.size() * 4, 0);
    const GifColorMap& colors = frame.colorMap(globalColorMap);
    const std::optional<std::uint8_t> transparent = frame.transparentIndex();
    for (std::size_t i = 0; i < frame.raster.size(); ++i) {
        const std::uint8_t index = frame.raster[i];
        if (index == transparent || index >= colors.size())
            continue;
        std::uint8_t* pixel = &image.pixels[i * 4];
        pixel[0] = colors[index].red;
        pixel[1] = colors[index].green;
        pixel[2] = colors[index].blue;
        pixel[3] = 255;
    }
    return image;
}

} // namespace brindlecast::imaging
