// Stand-in writers on giflib and libjpeg-turbo until the shared fixtures library can write
// caller-painted frames and pictures; then these forward to it.
#include "CorpusWriters.h"

#include <csetjmp>
#include <cstdio>
#include <gif_lib.h>
#include <jpeglib.h>
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

    struct JpegFailure {
        jpeg_error_mgr manager;
        std::jmp_buf jump;
    };

    [[noreturn]] void JumpOnJpegError(j_common_ptr info)
    {
        std::longjmp(reinterpret_cast<JpegFailure*>(info->err)->jump, 1);
    }

    // Keeps the setjmp in a function whose locals are trivially destructible.
    bool CompressJpeg(std::FILE* file, int width, int height, int components,
        const std::uint8_t* pixels, bool progressive)
    {
        jpeg_compress_struct info {};
        JpegFailure failure {};
        info.err = jpeg_std_error(&failure.manager);
        failure.manager.error_exit = JumpOnJpegError;
        if (setjmp(failure.jump)) {
            jpeg_destroy_compress(&info);
            return false;
        }
        jpeg_create_compress(&info);
        jpeg_stdio_dest(&info, file);
        info.image_width = static_cast<JDIMENSION>(width);
        info.image_height = static_cast<JDIMENSION>(height);
        info.input_components = components;
        info.in_color_space = components == 1 ? JCS_GRAYSCALE : JCS_RGB;
        jpeg_set_defaults(&info);
        jpeg_set_quality(&info, 85, TRUE);
        if (progressive)
            jpeg_simple_progression(&info);
        jpeg_start_compress(&info, TRUE);
        const auto stride = static_cast<std::size_t>(width) * static_cast<std::size_t>(components);
        while (info.next_scanline < info.image_height) {
            auto row = const_cast<JSAMPROW>(pixels + info.next_scanline * stride);
            jpeg_write_scanlines(&info, &row, 1);
        }
        jpeg_finish_compress(&info);
        jpeg_destroy_compress(&info);
        return true;
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
    const std::vector<std::uint8_t>& pixels, bool progressive)
{
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        return path + ": cannot create JPEG";
    const bool written = CompressJpeg(file, width, height, components, pixels.data(), progressive);
    const bool closed = std::fclose(file) == 0;
    return written && closed ? std::string {} : path + ": cannot write JPEG";
}

} // namespace brindlecast::bench
