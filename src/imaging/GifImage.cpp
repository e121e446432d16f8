#include "imaging/GifImage.h"

#include "imaging/GifFrameReader.h"

namespace brindlecast::imaging
{

namespace
{

    Result<GifImage> readAll(Result<GifFrameReader> opened)
    {
        if (!opened)
            return ImagingError { opened.error() };
        GifFrameReader& reader = opened.value();
        GifImage image;
        image.screen = reader.screen();
        std::int64_t pixels = 0;
        while (true) {
            auto frame = reader.next();
            if (!frame)
                return ImagingError { frame.error() };
            if (!frame.value())
                return image;
            pixels += static_cast<std::int64_t>(frame.value()->raster.size());
            if (pixels > kMaxHeldGifPixels)
                return ImagingError { reader.name() + ": the frames hold more than "
                    + std::to_string(kMaxHeldGifPixels) + " pixels in all" };
            if (image.frames.size() == kMaxHeldGifFrames)
                return ImagingError { reader.name() + ": more than "
                    + std::to_string(kMaxHeldGifFrames) + " frames" };
            image.frames.push_back(std::move(*frame.value()));
        }
    }

} // namespace

Result<GifImage> GifImage::load(const std::filesystem::path& path)
{
    return readAll(GifFrameReader::open(path));
}

Result<GifImage> GifImage::loadBytes(std::span<const std::uint8_t> bytes, const std::string& name)
{
    return readAll(GifFrameReader::openBytes(bytes, name));
}

} // namespace brindlecast::imaging
