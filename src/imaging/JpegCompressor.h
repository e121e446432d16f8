#pragma once

#include "imaging/JpegErrorTrap.h"
#include "imaging/JpegMemoryDestination.h"
#include "imaging/Result.h"
#include "imaging/RgbaImage.h"

#include <cstdint>
#include <string>
#include <vector>

namespace brindlecast::imaging
{

// One libjpeg compression into memory: a single-scan baseline JPEG file. Each object writes
// one file.
class JpegCompressor
{
public:
    explicit JpegCompressor(std::string name);
    ~JpegCompressor();
    JpegCompressor(const JpegCompressor&) = delete;
    JpegCompressor& operator=(const JpegCompressor&) = delete;

    // The DCT coefficients read from `source`, written unchanged: no pixel changes.
    Result<std::vector<std::uint8_t>> writeCoefficients(
        jpeg_decompress_struct& source, jvirt_barray_ptr* coefficients);

    // `image` encoded afresh at `quality` (1 to 100), as one grey channel when `grey`; its
    // alpha is dropped.
    Result<std::vector<std::uint8_t>> writePixels(const RgbaImage& image, int quality, bool grey);

private:
    Result<std::vector<std::uint8_t>> finished(bool written, const char* what);

    std::string name_;
    JpegErrorTrap trap_;
    JpegMemoryDestination destination_;
    jpeg_compress_struct cinfo_ {};
};

} // namespace brindlecast::imaging
