#pragma once

#include "FixturePattern.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace brindlecast::bench
{

using Palette = std::array<fixtures::FixtureRgb, 256>;

// Where a frame sits on the GIF's screen.
struct FrameArea {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// Paints frame `frame` into `raster` (area.width * area.height indices) and says where it goes.
using FramePainter = std::function<FrameArea(int frame, std::vector<std::uint8_t>& raster)>;

struct AnimationFile {
    std::string path;
    int width = 0;
    int height = 0;
    const Palette* palette = nullptr;
    std::optional<std::uint8_t> transparentIndex;
    int frames = 0;
};

// Writes a GIF frame by frame, so that long animations never sit in memory at once. Empty on
// success, else a message naming the file and what failed.
[[nodiscard]] std::string WriteAnimation(const AnimationFile& file, const FramePainter& paint);

// Writes a JPEG of `components` bytes a pixel (3 = RGB, 1 = grey).
[[nodiscard]] std::string WritePhoto(const std::string& path, int width, int height, int components,
    std::vector<std::uint8_t> pixels, bool progressive);

} // namespace brindlecast::bench
