#include "PhotoPainter.h"

#include "CorpusRandom.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace brindlecast::bench
{

namespace
{

    // The sum of two waves along an axis of `length` pixels, with `base` added.
    std::vector<int> Waves(CorpusRandom& random, int length, int base)
    {
        std::vector<int> values(static_cast<std::size_t>(length));
        const double slow = (0.5 + 2.0 * random.Unit()) * 2 * std::numbers::pi / length;
        const double fast = (3.0 + 6.0 * random.Unit()) * 2 * std::numbers::pi / length;
        const double phaseSlow = 2 * std::numbers::pi * random.Unit();
        const double phaseFast = 2 * std::numbers::pi * random.Unit();
        const double amplitudeSlow = 20 + 40 * random.Unit();
        const double amplitudeFast = 5 + 15 * random.Unit();
        for (int i = 0; i < length; ++i)
            values[static_cast<std::size_t>(i)] = base
                + static_cast<int>(amplitudeSlow * std::cos(slow * i + phaseSlow)
                    + amplitudeFast * std::cos(fast * i + phaseFast));
        return values;
    }

    std::uint8_t Clamp(int value)
    {
        return static_cast<std::uint8_t>(std::clamp(value, 0, 255));
    }

} // namespace

PhotoPainter::PhotoPainter(int width, int height, std::uint64_t seed)
    : width_(width)
    , height_(height)
    , seed_(seed)
{
    CorpusRandom random(seed);
    for (int channel = 0; channel < 3; ++channel) {
        columnWaves_[channel] = Waves(random, width, random.Between(40, 90));
        rowWaves_[channel] = Waves(random, height, random.Between(40, 90));
    }
    const int count = random.Between(6, 12);
    for (int i = 0; i < count; ++i) {
        Shape shape {};
        shape.left = random.Between(0, width - 1);
        shape.top = random.Between(0, height - 1);
        shape.right = std::min(width, shape.left + random.Between(width / 20 + 1, width / 3 + 1));
        shape.bottom
            = std::min(height, shape.top + random.Between(height / 20 + 1, height / 3 + 1));
        shape.round = random.Between(0, 1) == 1;
        for (int& value : shape.colour)
            value = random.Between(0, 255);
        shape.shade = random.Between(-60, 60);
        shapes_.push_back(shape);
    }
}

const PhotoPainter::Shape* PhotoPainter::TopShapeAt(int x, int y) const
{
    const Shape* top = nullptr;
    for (const Shape& shape : shapes_) {
        if (x < shape.left || x >= shape.right || y < shape.top || y >= shape.bottom)
            continue;
        if (shape.round) {
            const double halfWidth = (shape.right - shape.left) / 2.0;
            const double halfHeight = (shape.bottom - shape.top) / 2.0;
            const double dx = (x - shape.left - halfWidth) / halfWidth;
            const double dy = (y - shape.top - halfHeight) / halfHeight;
            if (dx * dx + dy * dy > 1)
                continue;
        }
        top = &shape;
    }
    return top;
}

void PhotoPainter::Paint(int components, std::vector<std::uint8_t>& pixels) const
{
    pixels.resize(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_)
        * static_cast<std::size_t>(components));
    CorpusRandom noise(seed_ ^ 0x2545F4914F6CDD1DULL);
    std::size_t at = 0;
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            const Shape* shape = TopShapeAt(x, y);
            int rgb[3];
            for (int channel = 0; channel < 3; ++channel) {
                const int value = shape ? shape->colour[channel]
                        + shape->shade * (y - shape->top) / std::max(1, shape->bottom - shape->top)
                                        : columnWaves_[channel][static_cast<std::size_t>(x)]
                        + rowWaves_[channel][static_cast<std::size_t>(y)];
                rgb[channel] = value + noise.Between(-12, 12);
            }
            if (components == 1) {
                pixels[at++] = Clamp((77 * rgb[0] + 150 * rgb[1] + 29 * rgb[2]) >> 8);
            } else {
                for (int value : rgb)
                    pixels[at++] = Clamp(value);
            }
        }
    }
}

} // namespace brindlecast::bench
