#include "imaging/JpegInfoReader.h"

#include "imaging/JpegImage.h"

namespace brindlecast::imaging
{

Result<JpegInfo> readJpegInfo(const std::filesystem::path& path)
{
    auto image = JpegImage::load(path);
    if (!image)
        return ImagingError { image.error() };
    const JpegHeader& header = image.value().header();
    JpegInfo info;
    info.fileSize = image.value().bytes().size();
    info.width = header.width;
    info.height = header.height;
    info.grey = header.grey();
    info.progressive = header.progressive;
    return info;
}

} // namespace brindlecast::imaging
