#pragma once

#include "imaging/JpegHeader.h"
#include "imaging/Result.h"
#include "imaging/RgbaImage.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace brindlecast::imaging
{

struct DecodedJpeg {
    RgbaImage image; // alpha is 255; grey files come out as grey RGB
    std::string warning; // what libjpeg noticed, such as a damaged scan; empty when nothing
};

// A JPEG file in memory with the facts of its header. Loading reads the markers only and
// decodes no pixels, so it is cheap enough for measuring every image; the bytes are what a
// movie embeds. A file refused here (unreadable header, too large, CMYK, 12-bit) is a load
// failure.
class JpegImage
{
public:
    static Result<JpegImage> load(const std::filesystem::path& path);
    static Result<JpegImage> loadBytes(
        std::vector<std::uint8_t> bytes, const std::string& name = "JPEG data");
    // What load() would give as the header, reading only the start of the file when the
    // markers end there, as they do but for large embedded thumbnails or profiles.
    static Result<JpegHeader> readHeader(const std::filesystem::path& path);

    const JpegHeader& header() const { return header_; }
    int width() const { return header_.width; }
    int height() const { return header_.height; }
    const std::vector<std::uint8_t>& bytes() const { return bytes_; }
    const std::string& name() const { return name_; }

    // The picture for display. A damaged or cut scan still gives a picture (libjpeg fills
    // what is missing) with a warning, so that the caller decides.
    Result<DecodedJpeg> decode() const;

private:
    JpegImage(std::vector<std::uint8_t> bytes, std::string name, JpegHeader header);

    std::vector<std::uint8_t> bytes_;
    std::string name_;
    JpegHeader header_;
};

} // namespace brindlecast::imaging
