#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace brindlecast::imaging
{

// Pictures beyond these sizes are refused as load failures, so that a hostile header can never
// make the reader allocate gigabytes.
inline constexpr std::int64_t kMaxImageSide = 16384;
inline constexpr std::int64_t kMaxImagePixels = 64LL * 1024 * 1024;

// Why a picture of this size is refused ("16385 x 2 pixels is wider than 16384 pixels"), or
// nothing when it is within the limits.
std::optional<std::string> imageSizeProblem(std::int64_t width, std::int64_t height);

} // namespace brindlecast::imaging
