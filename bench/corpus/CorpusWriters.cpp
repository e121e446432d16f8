#include "CorpusWriters.h"

#include "GifFixtureWriter.h"
#include "JpegFixture.h"

namespace brindlecast::bench
{

std::string WriteAnimation(const AnimationFile& file, const FramePainter& paint)
{
    fixtures::GifFixtureWriter writer(file.path);
    if (std::string failure = writer.begin(file.width, file.height, *file.palette);
        !failure.empty())
        return failure;
    std::vector<std::uint8_t> raster;
    for (int frame = 0; frame < file.frames; ++frame) {
        const FrameArea area = paint(frame, raster);
        fixtures::GifFixtureImage image;
        image.left = area.left;
        image.top = area.top;
        image.width = area.width;
        image.height = area.height;
        image.raster = raster;
        image.graphicControl = true;
        if (file.transparentIndex)
            image.transparentIndex = *file.transparentIndex;
        image.delay = 10;
        image.disposal = 1; // leave the frame in place: later sub-rectangles draw over it
        if (std::string failure = writer.addFrame(image); !failure.empty())
            return failure;
    }
    return writer.close();
}

std::string WritePhoto(const std::string& path, int width, int height, int components,
    std::vector<std::uint8_t> pixels, bool progressive)
{
    const std::vector<std::uint8_t> bytes = fixtures::encodeJpeg(
        { width, height, components == 1 ? fixtures::JpegColor::Grey : fixtures::JpegColor::Rgb,
            std::move(pixels) },
        { 85, progressive });
    if (bytes.empty())
        return path + ": cannot encode JPEG";
    return fixtures::writeJpegFile(path, bytes);
}

} // namespace brindlecast::bench
