#include "SampleImages.h"

#include "GifFixture.h"

#include <stdexcept>

namespace brindlecast::reliability
{

std::string writeGoodGif(const std::filesystem::path& path, int width, int height, int frames)
{
    fixtures::writeGif(path, fixtures::GifFixture::animation(width, height, frames, 16));
    return path.string();
}

std::string writeGoodJpeg(
    const std::filesystem::path& path, int width, int height, fixtures::JpegEncoding encoding)
{
    const auto bytes
        = fixtures::makeJpeg({ .width = width, .height = height, .encoding = encoding });
    if (const std::string error = fixtures::writeJpegFile(path, bytes); !error.empty())
        throw std::runtime_error(error);
    return path.string();
}

} // namespace brindlecast::reliability
