#include "conversion/JpegImageBuilder.h"
#include "imaging/JpegImage.h"
#include "imaging/JpegTranscoding.h"

namespace brindlecast
{

imaging::Result<JpegPicture> LoadJpegPicture(const std::string& path)
{
    auto image = imaging::JpegImage::load(path);
    if (!image)
        return imaging::ImagingError { image.error() };
    JpegPicture picture { image.value().width(), image.value().height(), {} };
    if (!image.value().header().progressive) {
        picture.bytes = image.value().bytes();
        return picture;
    }
    // Players show only single-scan JPEGs; the transcoding keeps every pixel.
    auto baseline = imaging::convertToBaseline(image.value());
    if (!baseline)
        return imaging::ImagingError { baseline.error() };
    picture.bytes = std::move(baseline.value().bytes);
    return picture;
}

} // namespace brindlecast
