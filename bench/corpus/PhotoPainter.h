#pragma once

#include <cstdint>
#include <vector>

namespace brindlecast::bench
{

// Paints a photograph-like picture: smooth colour fields made of a few low waves, shaded
// shapes on top and fine sensor-like noise, so that JPEG encoding does real work.
class PhotoPainter
{
public:
    PhotoPainter(int width, int height, std::uint64_t seed);

    // Fills `pixels` with width * height pixels of `components` bytes (3 = RGB, 1 = grey).
    void Paint(int components, std::vector<std::uint8_t>& pixels) const;

private:
    struct Shape {
        int left, top, right, bottom;
        bool round;
        int colour[3];
        int shade; // change of brightness from top to bottom
    };

    const Shape* TopShapeAt(int x, int y) const;

    int width_;
    int height_;
    std::uint64_t seed_;
    std::vector<int> columnWaves_[3]; // per channel, the part that depends on x
    std::vector<int> rowWaves_[3]; // per channel, the part that depends on y
    std::vector<Shape> shapes_;
};

} // namespace brindlecast::bench
