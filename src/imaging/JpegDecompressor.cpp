#include "imaging/JpegDecompressor.h"

#include "imaging/ImageLimits.h"

#include <utility>

namespace brindlecast::imaging
{
namespace
{

    // Real progressive files have about ten scans. A hostile file with thousands of tiny scans
    // would make libjpeg walk the whole picture once per scan.
    constexpr int kMaxScans = 500;

} // namespace

JpegDecompressor::JpegDecompressor(std::span<const std::uint8_t> bytes, std::string name)
    : bytes_(bytes)
    , name_(std::move(name))
{
    cinfo_.err = trap_.manager();
    progress_.progress_monitor = &JpegDecompressor::checkScanCount;
}

JpegDecompressor::~JpegDecompressor()
{
    // Safe even when jpeg_create_decompress never ran or failed: the struct starts zeroed.
    jpeg_destroy_decompress(&cinfo_);
}

Result<JpegHeader> JpegDecompressor::readHeader()
{
    auto step = [this] {
        jpeg_create_decompress(&cinfo_);
        cinfo_.progress = &progress_;
        jpeg_mem_src(&cinfo_, bytes_.data(), static_cast<unsigned long>(bytes_.size()));
        jpeg_read_header(&cinfo_, TRUE);
    };
    if (!trap_.run(step))
        return failure("cannot read the JPEG header");

    if (auto problem = imageSizeProblem(cinfo_.image_width, cinfo_.image_height))
        return ImagingError { name_ + ": " + *problem };
    if (cinfo_.jpeg_color_space == JCS_CMYK || cinfo_.jpeg_color_space == JCS_YCCK)
        return ImagingError { name_ + ": CMYK JPEG images are not supported" };
    if (cinfo_.num_components != 1 && cinfo_.num_components != 3)
        return ImagingError { name_ + ": JPEG images with " + std::to_string(cinfo_.num_components)
            + " colour channels are not supported" };

    return JpegHeader { static_cast<int>(cinfo_.image_width), static_cast<int>(cinfo_.image_height),
        cinfo_.num_components, cinfo_.progressive_mode != 0, trap_.warning() };
}

Result<RgbaImage> JpegDecompressor::decodeRgba()
{
    const auto width = static_cast<int>(cinfo_.image_width);
    const auto height = static_cast<int>(cinfo_.image_height);
    const std::size_t stride = static_cast<std::size_t>(width) * 4;
    RgbaImage image { width, height, std::vector<std::uint8_t>(stride * cinfo_.image_height) };

    cinfo_.out_color_space = JCS_EXT_RGBA; // alpha comes out as 255
    std::uint8_t* const pixels = image.pixels.data();
    auto step = [this, pixels, stride] {
        jpeg_start_decompress(&cinfo_);
        while (cinfo_.output_scanline < cinfo_.output_height) {
            JSAMPROW row = pixels + cinfo_.output_scanline * stride;
            jpeg_read_scanlines(&cinfo_, &row, 1);
        }
        jpeg_finish_decompress(&cinfo_);
    };
    if (!trap_.run(step))
        return failure("cannot decode the JPEG");
    return image;
}

Result<jvirt_barray_ptr*> JpegDecompressor::readCoefficients()
{
    jvirt_barray_ptr* coefficients = nullptr;
    auto step = [this, &coefficients] { coefficients = jpeg_read_coefficients(&cinfo_); };
    if (!trap_.run(step))
        return failure("cannot read the JPEG coefficients");
    return coefficients;
}

Result<void> JpegDecompressor::finish()
{
    auto step = [this] { jpeg_finish_decompress(&cinfo_); };
    if (!trap_.run(step))
        return failure("cannot read the end of the JPEG");
    return {};
}

ImagingError JpegDecompressor::failure(const char* what) const
{
    return ImagingError { name_ + ": " + what + ": " + trap_.failure() };
}

void JpegDecompressor::checkScanCount(j_common_ptr cinfo)
{
    if (reinterpret_cast<j_decompress_ptr>(cinfo)->input_scan_number > kMaxScans)
        JpegErrorTrap::fail(cinfo, "the file holds more than 500 scans");
}

} // namespace brindlecast::imaging
