#include "conversion/PictureSize.h"

#include "conversion/ImagePaths.h"
#include "imaging/GifFrameReader.h"
#include "imaging/JpegImage.h"

namespace brindlecast
{

std::optional<PictureSize> ReadPictureSize(const std::string& path)
{
    switch (ImageKindOf(path)) {
    case ImageKind::Gif:
        if (const auto gif = imaging::GifFrameReader::open(path))
            return PictureSize { gif.value().screen().width, gif.value().screen().height };
        break;
    case ImageKind::Jpeg:
        if (const auto jpeg = imaging::JpegImage::readHeader(path))
            return PictureSize { jpeg.value().width, jpeg.value().height };
        break;
    case ImageKind::Unsupported:
        break;
    }
    return std::nullopt;
}

} // namespace brindlecast
