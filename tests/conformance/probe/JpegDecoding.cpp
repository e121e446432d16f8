#include "SourcePicture.h"

#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>
#include <utility>

namespace brindlecast::conformance
{

namespace
{

    struct JpegErrorManager {
        jpeg_error_mgr base {};
        std::jmp_buf escape {};
        char message[JMSG_LENGTH_MAX] {};
    };

    void leaveOnError(j_common_ptr info)
    {
        auto* manager = reinterpret_cast<JpegErrorManager*>(info->err);
        info->err->format_message(info, manager->message);
        std::longjmp(manager->escape, 1);
    }

    // The setjmp lives in this function alone, whose locals are all trivially destructible.
    bool decodeInto(std::FILE* file, SourcePicture& picture, JpegErrorManager& errors)
    {
        jpeg_decompress_struct info {};
        info.err = jpeg_std_error(&errors.base);
        errors.base.error_exit = leaveOnError;
        if (setjmp(errors.escape)) {
            jpeg_destroy_decompress(&info);
            return false;
        }
        jpeg_create_decompress(&info);
        jpeg_stdio_src(&info, file);
        jpeg_read_header(&info, TRUE);
        info.out_color_space = JCS_EXT_RGBA;
        jpeg_start_decompress(&info);
        picture.width = static_cast<int>(info.output_width);
        picture.height = static_cast<int>(info.output_height);
        picture.rgba.resize(static_cast<size_t>(info.output_width) * info.output_height * 4);
        while (info.output_scanline < info.output_height) {
            JSAMPROW row = picture.rgba.data()
                + static_cast<size_t>(info.output_scanline) * info.output_width * 4;
            jpeg_read_scanlines(&info, &row, 1);
        }
        jpeg_finish_decompress(&info);
        jpeg_destroy_decompress(&info);
        return true;
    }

} // namespace

SourcePictures decodeJpeg(const std::filesystem::path& path)
{
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) {
        return { {}, path.string() + ": cannot open" };
    }
    SourcePicture picture;
    JpegErrorManager errors;
    const bool decoded = decodeInto(file, picture, errors);
    std::fclose(file);
    if (!decoded) {
        return { {}, path.string() + ": cannot decode JPEG: " + errors.message };
    }
    return { { std::move(picture) }, {} };
}

} // namespace brindlecast::conformance
