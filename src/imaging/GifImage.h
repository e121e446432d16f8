#pragma once

#include "imaging/GifFrame.h"
#include "imaging/GifScreen.h"
#include "imaging/ImageLimits.h"
#include "imaging/Result.h"

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

namespace brindlecast::imaging
{

// Holding every frame at once is refused past these totals, so that a small file of highly
// compressed or countless frames cannot fill the memory; GifFrameReader still reads such files
// frame by frame.
inline constexpr int kMaxHeldGifFrames = 65536;
inline constexpr std::int64_t kMaxHeldGifPixels = 4 * kMaxImagePixels;

// A whole GIF file in memory: for the splitter's tiles, the preview and tests. Conversions
// of long animations read frame by frame with GifFrameReader instead.
struct GifImage {
    GifScreen screen;
    std::vector<GifFrame> frames;

    static Result<GifImage> load(const std::filesystem::path& path);
    static Result<GifImage> loadBytes(
        std::span<const std::uint8_t> bytes, const std::string& name = "GIF data");
};

} // namespace brindlecast::imaging
