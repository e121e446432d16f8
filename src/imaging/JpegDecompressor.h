#pragma once

#include "imaging/JpegErrorTrap.h"
#include "imaging/JpegHeader.h"
#include "imaging/Result.h"
#include "imaging/RgbaImage.h"

#include <cstdint>
#include <span>
#include <string>

namespace brindlecast::imaging
{

// One libjpeg decompression of JPEG bytes held by the caller, who keeps them alive while this
// object lives. readHeader() comes first; then either decodeRgba() or readCoefficients().
class JpegDecompressor
{
public:
    JpegDecompressor(std::span<const std::uint8_t> bytes, std::string name);
    ~JpegDecompressor();
    JpegDecompressor(const JpegDecompressor&) = delete;
    JpegDecompressor& operator=(const JpegDecompressor&) = delete;

    // Reads the markers up to the first scan and refuses pictures this program cannot take:
    // too large (checked before anything is allocated for the pixels), CMYK, or neither grey
    // nor three-channel colour.
    Result<JpegHeader> readHeader();

    Result<RgbaImage> decodeRgba();

    // The quantised DCT coefficients of every component, owned by this object.
    Result<jvirt_barray_ptr*> readCoefficients();
    // Reads on to the end of the image once the coefficients have been used.
    Result<void> finish();

    jpeg_decompress_struct& cinfo() { return cinfo_; }
    std::string warning() const { return trap_.warning(); }

private:
    ImagingError failure(const char* what) const;
    static void checkScanCount(j_common_ptr cinfo);

    std::span<const std::uint8_t> bytes_;
    std::string name_;
    JpegErrorTrap trap_;
    jpeg_decompress_struct cinfo_ {};
    jpeg_progress_mgr progress_ {};
    bool created_ = false;
};

} // namespace brindlecast::imaging
