#include "imaging/GifScreen.h"

namespace brindlecast::imaging
{

std::uint32_t GifScreen::backgroundColor() const
{
    if (backgroundIndex < 0 || static_cast<std::size_t>(backgroundIndex) >= globalColorMap.size())
        return 0;
    const GifColor& color = globalColorMap[static_cast<std::size_t>(backgroundIndex)];
    return static_cast<std::uint32_t>(color.red) | static_cast<std::uint32_t>(color.green) << 8
        | static_cast<std::uint32_t>(color.blue) << 16;
}

} // namespace brindlecast::imaging
