#pragma once

#include "imaging/GifFrame.h"
#include "imaging/GifScreen.h"
#include "imaging/Result.h"
#include "imaging/RgbaImage.h"

#include <optional>

namespace brindlecast::imaging
{

// Composes the frames of an animation on the logical screen the way a viewer shows them:
// each frame drawn at its offset over what earlier frames left, transparent pixels (and
// indices past the colour table) letting the canvas show through, and each frame's disposal
// applied before the next frame is drawn. The canvas starts transparent; "restore
// background" clears the frame's area to transparent. Parts outside the screen are clipped.
class GifAnimationComposer
{
public:
    // Refuses screens past the image size limits.
    static Result<GifAnimationComposer> create(const GifScreen& screen);

    // Draws the next frame of the animation and returns the whole screen as it now shows.
    const RgbaImage& compose(const GifFrame& frame);

private:
    struct Area {
        int left = 0;
        int top = 0;
        int right = 0;
        int bottom = 0;
    };

    explicit GifAnimationComposer(const GifScreen& screen);
    Area clippedArea(const GifFrame& frame) const;
    void disposePrevious();
    void draw(const GifFrame& frame, const Area& area);

    GifColorMap globalColorMap_;
    RgbaImage canvas_;
    int pendingDisposal_ = 0;
    Area pendingArea_;
    std::optional<RgbaImage> savedCanvas_;
};

} // namespace brindlecast::imaging
