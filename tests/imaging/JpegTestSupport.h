#pragma once

#include "JpegFixture.h"
#include "imaging/RgbaImage.h"

#include <cstdint>
#include <cstdlib>
#include <vector>

namespace brindlecast::imaging
{

// Start-of-scan markers in a JPEG file. Counted by byte search, which is sound for generated
// files: entropy-coded data never holds FF DA and their tables hold no byte 0xFF.
inline int countJpegScans(const std::vector<std::uint8_t>& jpeg)
{
    int scans = 0;
    for (std::size_t at = 1; at < jpeg.size(); ++at)
        scans += jpeg[at - 1] == 0xFF && jpeg[at] == 0xDA ? 1 : 0;
    return scans;
}

// Mean absolute difference per colour channel of two pictures of the same size.
inline double meanDifference(const RgbaImage& one, const RgbaImage& other)
{
    double total = 0;
    for (std::size_t at = 0; at < one.pixels.size(); ++at)
        total += at % 4 == 3 ? 0 : std::abs(int { one.pixels[at] } - int { other.pixels[at] });
    return total / static_cast<double>(one.pixels.size() / 4 * 3);
}

// The pattern a fixture was encoded from, as a picture (grey as grey RGB).
inline RgbaImage patternPicture(const fixtures::JpegPixels& pattern)
{
    const std::size_t channels = pattern.color == fixtures::JpegColor::Grey ? 1 : 3;
    RgbaImage picture { pattern.width, pattern.height, {} };
    for (std::size_t at = 0; at < pattern.samples.size(); at += channels) {
        for (std::size_t c = 0; c < 3; ++c)
            picture.pixels.push_back(pattern.samples[at + (channels == 1 ? 0 : c)]);
        picture.pixels.push_back(255);
    }
    return picture;
}

} // namespace brindlecast::imaging
