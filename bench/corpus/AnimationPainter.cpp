#include "AnimationPainter.h"

#include "CorpusRandom.h"

#include <algorithm>

namespace brindlecast::bench
{

namespace
{

    std::uint8_t Mix(std::uint8_t from, std::uint8_t to, int step, int steps)
    {
        return static_cast<std::uint8_t>(from + (to - from) * step / steps);
    }

    fixtures::FixtureRgb RandomColour(CorpusRandom& random)
    {
        return { static_cast<std::uint8_t>(random.Between(0, 255)),
            static_cast<std::uint8_t>(random.Between(0, 255)),
            static_cast<std::uint8_t>(random.Between(0, 255)) };
    }

    // Position along one axis of something bouncing between 0 and `range` at `step` per frame.
    int Bounce(int start, int step, int frame, int range)
    {
        if (range <= 0)
            return 0;
        const long period = 2L * range;
        long position = (start + static_cast<long>(step) * frame) % period;
        if (position < 0)
            position += period;
        return static_cast<int>(position > range ? period - position : position);
    }

} // namespace

AnimationPainter::AnimationPainter(int width, int height, std::uint64_t seed, bool withTransparency)
    : width_(width)
    , height_(height)
    , seed_(seed)
{
    CorpusRandom random(seed);
    // The ramp passes through four random colours and returns to the first, so the gradient
    // has no seam where its index wraps.
    constexpr int kAnchors = 4;
    constexpr int kStepsPerAnchor = kRampEntries / kAnchors;
    std::array<fixtures::FixtureRgb, kAnchors> anchors;
    for (auto& anchor : anchors)
        anchor = RandomColour(random);
    for (int i = 0; i < kRampEntries; ++i) {
        const auto& from = anchors[static_cast<std::size_t>(i / kStepsPerAnchor)];
        const auto& to = anchors[static_cast<std::size_t>((i / kStepsPerAnchor + 1) % kAnchors)];
        const int step = i % kStepsPerAnchor;
        palette_[static_cast<std::size_t>(i)] = { Mix(from.red, to.red, step, kStepsPerAnchor),
            Mix(from.green, to.green, step, kStepsPerAnchor),
            Mix(from.blue, to.blue, step, kStepsPerAnchor) };
    }
    for (std::size_t i = kRampEntries; i < palette_.size(); ++i)
        palette_[i] = RandomColour(random);

    slopeX_ = random.Between(-160, 160);
    slopeY_ = random.Between(-160, 160);
    drift_ = random.Between(1, 4);
    const int count = random.Between(5, 8);
    for (int i = 0; i < count; ++i) {
        Sprite sprite {};
        sprite.width = random.Between(std::max(4, width / 16), std::max(4, width / 4));
        sprite.height = random.Between(std::max(4, height / 16), std::max(4, height / 4));
        sprite.x = random.Between(0, std::max(0, width - sprite.width));
        sprite.y = random.Between(0, std::max(0, height - sprite.height));
        sprite.stepX = random.Between(-5, 5);
        sprite.stepY = random.Between(-5, 5);
        sprite.round = random.Between(0, 1) == 1;
        sprite.index = static_cast<std::uint8_t>(kRampEntries + i);
        sprites_.push_back(sprite);
    }
    if (withTransparency)
        sprites_.front().index = kTransparentIndex;
}

void AnimationPainter::Paint(int frame, std::vector<std::uint8_t>& raster) const
{
    raster.resize(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_));
    PaintBackground(frame, raster);
    for (const Sprite& sprite : sprites_)
        PaintSprite(sprite, frame, raster);
}

void AnimationPainter::PaintBackground(int frame, std::vector<std::uint8_t>& raster) const
{
    // Noise differs per frame, like the dither of a real animation.
    CorpusRandom noise(seed_ ^ (0x5bd1e995ULL * static_cast<std::uint64_t>(frame + 1)));
    std::uint64_t bits = 0;
    int bitsLeft = 0;
    std::size_t at = 0;
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            int index = ((x * slopeX_ + y * slopeY_) >> 8) + frame * drift_;
            if (bitsLeft == 0) {
                bits = noise.Next();
                bitsLeft = 16;
            }
            // One pixel in eight moves a step along the ramp.
            const int draw = static_cast<int>(bits & 0xF);
            bits >>= 4;
            --bitsLeft;
            if (draw < 2)
                index += draw == 0 ? -1 : 1;
            index %= kRampEntries;
            raster[at++] = static_cast<std::uint8_t>(index < 0 ? index + kRampEntries : index);
        }
    }
}

void AnimationPainter::PaintSprite(
    const Sprite& sprite, int frame, std::vector<std::uint8_t>& raster) const
{
    const int left = Bounce(sprite.x, sprite.stepX, frame, width_ - sprite.width);
    const int top = Bounce(sprite.y, sprite.stepY, frame, height_ - sprite.height);
    const int right = std::min(width_, left + sprite.width);
    const int bottom = std::min(height_, top + sprite.height);
    const long radiusX = sprite.width / 2;
    const long radiusY = sprite.height / 2;
    for (int y = top; y < bottom; ++y) {
        for (int x = left; x < right; ++x) {
            if (sprite.round) {
                const long dx = (x - left - radiusX) * radiusY;
                const long dy = (y - top - radiusY) * radiusX;
                if (dx * dx + dy * dy > radiusX * radiusX * radiusY * radiusY)
                    continue;
            }
            raster[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_)
                + static_cast<std::size_t>(x)]
                = sprite.index;
        }
    }
}

} // namespace brindlecast::bench
