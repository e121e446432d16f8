#pragma once

#include "FixturePattern.h"

#include <array>
#include <cstdint>
#include <vector>

namespace brindlecast::bench
{

// Paints the frames of a 256-colour animation that compresses like a real one: a gradient that
// drifts from frame to frame, sprites that move and bounce, and dither-like noise. The first
// 240 palette entries form a cyclic colour ramp for the gradient, the others colour the
// sprites; with transparency, one sprite is a hole of the transparent index. Any frame can be
// painted on its own: everything follows from the seed and the frame number.
class AnimationPainter
{
public:
    static constexpr int kRampEntries = 240;
    static constexpr std::uint8_t kTransparentIndex = 255;

    AnimationPainter(int width, int height, std::uint64_t seed, bool withTransparency);

    const std::array<fixtures::FixtureRgb, 256>& Palette() const { return palette_; }
    // Fills `raster` with the width * height indices of frame `frame`, row by row.
    void Paint(int frame, std::vector<std::uint8_t>& raster) const;

private:
    struct Sprite {
        int x, y, width, height, stepX, stepY;
        bool round;
        std::uint8_t index;
    };

    void PaintBackground(int frame, std::vector<std::uint8_t>& raster) const;
    void PaintSprite(const Sprite& sprite, int frame, std::vector<std::uint8_t>& raster) const;

    int width_;
    int height_;
    std::uint64_t seed_;
    int slopeX_; // ramp steps per pixel, in 1/256
    int slopeY_;
    int drift_; // ramp steps per frame
    std::array<fixtures::FixtureRgb, 256> palette_ {};
    std::vector<Sprite> sprites_;
};

} // namespace brindlecast::bench
