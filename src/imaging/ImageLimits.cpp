#include "imaging/ImageLimits.h"

namespace brindlecast::imaging
{

std::optional<std::string> imageSizeProblem(std::int64_t width, std::int64_t height)
{
    const std::string size = std::to_string(width) + " x " + std::to_string(height) + " pixels";
    if (width > kMaxImageSide)
        return size + " is wider than " + std::to_string(kMaxImageSide) + " pixels";
    if (height > kMaxImageSide)
        return size + " is taller than " + std::to_string(kMaxImageSide) + " pixels";
    if (width * height > kMaxImagePixels)
        return size + " is more than " + std::to_string(kMaxImagePixels) + " pixels";
    return std::nullopt;
}

} // namespace brindlecast::imaging
