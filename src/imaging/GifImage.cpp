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
        while (true) {
            auto frame = reader.next();
            if (!frame)
                return ImagingError { frame.error() };
            if (!frame.value())
                return image;
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
