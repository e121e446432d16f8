#pragma once

#include "imaging/JpegImage.h"
#include "imaging/Result.h"

#include <cstdint>
#include <string>
#include <vector>

namespace brindlecast::imaging
{

// The quality of the fallback that encodes the decoded pixels afresh.
inline constexpr int kBaselineFallbackQuality = 90;

struct BaselineJpeg {
    std::vector<std::uint8_t> bytes; // a single-scan sequential JPEG file
    bool lossless = true; // false when made by the quality-90 fallback
    std::string warning; // what libjpeg noticed in the source; empty when nothing
};

// The same picture as a single-scan baseline JPEG, made in memory for players that cannot show
// progressive files. The DCT coefficients are copied, so that no pixel changes; only when that
// fails are the pixels decoded and encoded again at kBaselineFallbackQuality. Grey files stay
// grey either way.
Result<BaselineJpeg> convertToBaseline(const JpegImage& image);

// The two ways convertToBaseline tries, one after the other.
Result<BaselineJpeg> copyCoefficientsToBaseline(const JpegImage& image);
Result<BaselineJpeg> reencodeAsBaseline(const JpegImage& image, int quality);

} // namespace brindlecast::imaging
