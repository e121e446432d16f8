#include "imaging/GifFrame.h"

#include <algorithm>

namespace brindlecast::imaging
{

bool GifFrame::yieldsBitmap() const
{
    return width > 0 && height > 0
        && raster.size() == static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
}

bool GifFrame::hasOtherExtensions() const
{
    return std::any_of(extensions.begin(), extensions.end(), [](const GifExtension& extension) {
        return extension.function != kGifGraphicControlFunction;
    });
}

const GifColorMap& GifFrame::colorMap(const GifColorMap& globalColorMap) const
{
    return localColorMap.empty() ? globalColorMap : localColorMap;
}

std::optional<std::uint8_t> GifFrame::transparentIndex() const
{
    if (graphicControl && graphicControl->transparent)
        return graphicControl->transparentIndex;
    return std::nullopt;
}

} // namespace brindlecast::imaging
