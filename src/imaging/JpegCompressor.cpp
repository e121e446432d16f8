#include "imaging/JpegCompressor.h"

#include <utility>

namespace brindlecast::imaging
{

JpegCompressor::JpegCompressor(std::string name)
    : name_(std::move(name))
{
    cinfo_.err = trap_.manager();
}

JpegCompressor::~JpegCompressor()
{
    // Safe even when jpeg_create_compress never ran or failed: the struct starts zeroed.
    jpeg_destroy_compress(&cinfo_);
}

Result<std::vector<std::uint8_t>> JpegCompressor::writeCoefficients(
    jpeg_decompress_struct& source, jvirt_barray_ptr* coefficients)
{
    auto step = [this, &source, coefficients] {
        jpeg_create_compress(&cinfo_);
        cinfo_.dest = destination_.manager();
        // Takes size, components, sampling and quantisation tables from the source and leaves
        // the defaults of a single sequential scan with Huffman coding.
        jpeg_copy_critical_parameters(&source, &cinfo_);
        cinfo_.optimize_coding = TRUE;
        jpeg_write_coefficients(&cinfo_, coefficients);
        jpeg_finish_compress(&cinfo_);
    };
    return finished(trap_.run(step), "cannot write the baseline JPEG");
}

Result<std::vector<std::uint8_t>> JpegCompressor::writePixels(
    const RgbaImage& image, int quality, bool grey)
{
    const std::size_t stride = static_cast<std::size_t>(image.width) * 4;
    // libjpeg never writes through the rows it is given.
    auto* const pixels = const_cast<std::uint8_t*>(image.pixels.data());
    auto step = [this, &image, quality, grey, pixels, stride] {
        jpeg_create_compress(&cinfo_);
        cinfo_.dest = destination_.manager();
        cinfo_.image_width = static_cast<JDIMENSION>(image.width);
        cinfo_.image_height = static_cast<JDIMENSION>(image.height);
        cinfo_.input_components = 4;
        cinfo_.in_color_space = JCS_EXT_RGBA;
        jpeg_set_defaults(&cinfo_);
        if (grey)
            jpeg_set_colorspace(&cinfo_, JCS_GRAYSCALE);
        jpeg_set_quality(&cinfo_, quality, TRUE);
        jpeg_start_compress(&cinfo_, TRUE);
        while (cinfo_.next_scanline < cinfo_.image_height) {
            JSAMPROW row = pixels + cinfo_.next_scanline * stride;
            jpeg_write_scanlines(&cinfo_, &row, 1);
        }
        jpeg_finish_compress(&cinfo_);
    };
    if (image.width < 1 || image.height < 1
        || image.pixels.size() != stride * static_cast<std::size_t>(image.height))
        return ImagingError { name_ + ": cannot encode the JPEG: the pixels do not fill "
            + std::to_string(image.width) + " x " + std::to_string(image.height) };
    return finished(trap_.run(step), "cannot encode the JPEG");
}

Result<std::vector<std::uint8_t>> JpegCompressor::finished(bool written, const char* what)
{
    if (!written)
        return ImagingError { name_ + ": " + what + ": " + trap_.failure() };
    return destination_.take();
}

} // namespace brindlecast::imaging
