#include "imaging/GifAnimationComposer.h"

#include "imaging/ImageLimits.h"

#include <algorithm>

namespace brindlecast::imaging
{

namespace
{

    constexpr int kRestoreBackground = 2;
    constexpr int kRestorePrevious = 3;

} // namespace

Result<GifAnimationComposer> GifAnimationComposer::create(const GifScreen& screen)
{
    if (auto problem = imageSizeProblem(screen.width, screen.height))
        return ImagingError { "the GIF's screen is refused: " + *problem };
    return GifAnimationComposer(screen);
}

GifAnimationComposer::GifAnimationComposer(const GifScreen& screen)
    : globalColorMap_(screen.globalColorMap)
{
    canvas_.width = screen.width;
    canvas_.height = screen.height;
    canvas_.pixels.assign(
        static_cast<std::size_t>(screen.width) * static_cast<std::size_t>(screen.height) * 4, 0);
}

GifAnimationComposer::Area GifAnimationComposer::clippedArea(const GifFrame& frame) const
{
    Area area;
    area.left = std::clamp(frame.left, 0, canvas_.width);
    area.top = std::clamp(frame.top, 0, canvas_.height);
    area.right = std::clamp(frame.left + frame.width, area.left, canvas_.width);
    area.bottom = std::clamp(frame.top + frame.height, area.top, canvas_.height);
    return area;
}

void GifAnimationComposer::disposePrevious()
{
    if (pendingDisposal_ == kRestorePrevious && savedCanvas_) {
        canvas_ = std::move(*savedCanvas_);
    } else if (pendingDisposal_ == kRestoreBackground) {
        const auto width = static_cast<std::size_t>(canvas_.width);
        for (int y = pendingArea_.top; y < pendingArea_.bottom; ++y) {
            auto rowStart = canvas_.pixels.begin()
                + static_cast<std::ptrdiff_t>((static_cast<std::size_t>(y) * width
                                                  + static_cast<std::size_t>(pendingArea_.left))
                    * 4);
            std::fill(rowStart, rowStart + (pendingArea_.right - pendingArea_.left) * 4, 0);
        }
    }
    savedCanvas_.reset();
}

void GifAnimationComposer::draw(const GifFrame& frame, const Area& area)
{
    const GifColorMap& colors = frame.colorMap(globalColorMap_);
    const std::optional<std::uint8_t> transparent = frame.transparentIndex();
    const auto canvasWidth = static_cast<std::size_t>(canvas_.width);
    const auto frameWidth = static_cast<std::size_t>(frame.width);
    for (int y = area.top; y < area.bottom; ++y) {
        const std::size_t sourceRow = static_cast<std::size_t>(y - frame.top) * frameWidth;
        for (int x = area.left; x < area.right; ++x) {
            const std::uint8_t index
                = frame.raster[sourceRow + static_cast<std::size_t>(x - frame.left)];
            if (index == transparent || index >= colors.size())
                continue;
            std::uint8_t* pixel = &canvas_.pixels[(static_cast<std::size_t>(y) * canvasWidth
                                                      + static_cast<std::size_t>(x))
                * 4];
            pixel[0] = colors[index].red;
            pixel[1] = colors[index].green;
            pixel[2] = colors[index].blue;
            pixel[3] = 255;
        }
    }
}

const RgbaImage& GifAnimationComposer::compose(const GifFrame& frame)
{
    disposePrevious();
    const int disposal = frame.graphicControl ? frame.graphicControl->disposal : 0;
    if (disposal == kRestorePrevious)
        savedCanvas_ = canvas_;
    const Area area = clippedArea(frame);
    if (frame.yieldsBitmap())
        draw(frame, area);
    pendingDisposal_ = disposal;
    pendingArea_ = area;
    return canvas_;
}

} // namespace brindlecast::imaging
