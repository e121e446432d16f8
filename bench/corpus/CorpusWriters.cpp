// The GIF writer is a stand-in on giflib until the shared fixtures library's streaming GIF
// writer is in; then it forwards to it as the JPEG writer does.
#include "CorpusWriters.h"

#include "JpegFixture.h"

#include <cstdio>
#include <gif_lib.h>
#include <memory>

namespace brindlecast::bench
{

namespace
{

    struct GifCloser {
        void operator()(GifFileType* gif) const
        {
            int error = 0;
            EGifCloseFile(gif, &error);
        }
    };

    std::string GifFailure(const std::string& path, const char* what, int error)
    {
        return path + ": " + what + ": " + GifErrorString(error);
    }

} // namespace

std::string WriteAnimation(const AnimationFile& file, const FramePainter& paint)
{
    int error = 0;
    std::unique_ptr<GifFileType, GifCloser> gif(EGifOpenFileName(file.path.c_str(), false, &error));
    if (!gif)
        return GifFailure(file.path, "cannot create GIF", error);
    GifColorType colours[256];
    for (std::size_t i = 0; i < 256; ++i)
        colours[i] = { (*file.palette)[i].red, (*file.palette)[i].green, (*file.palette)[i].blue };
    ColorMapObject* map = GifMakeMapObject(256, colours);
    const int status = EGifPutScreenDesc(gif.get(), file.width, file.height, 8, 0, map);
    GifFreeMapObject(map);
    if (status != GIF_OK)
        return GifFailure(file.path, "cannot write the screen", gif->Error);

    std::vector<std::uint8_t> raster;
    for (int frame = 0; frame < file.frames; ++frame) {
        const FrameArea area = paint(frame, raster);
        GraphicsControlBlock control {};
        control.DisposalMode = DISPOSE_DO_NOT;
        control.DelayTime = 10;
        control.TransparentColor
            = file.transparentIndex ? *file.transparentIndex : NO_TRANSPARENT_COLOR;
        GifByteType extension[4];
        const auto length = static_cast<int>(EGifGCBToExtension(&control, extension));
        if (EGifPutExtension(gif.get(), GRAPHICS_EXT_FUNC_CODE, length, extension) != GIF_OK
            || EGifPutImageDesc(
                   gif.get(), area.left, area.top, area.width, area.height, false, nullptr)
                != GIF_OK
            || EGifPutLine(gif.get(), raster.data(), area.width * area.height) != GIF_OK)
            return GifFailure(
                file.path, ("cannot write frame " + std::to_string(frame + 1)).c_str(), gif->Error);
    }
    GifFileType* closing = gif.release();
    if (EGifCloseFile(closing, &error) != GIF_OK)
        return GifFailure(file.path, "cannot finish GIF", error);
    return {};
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
