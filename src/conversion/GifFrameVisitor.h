#pragma once

#include "imaging/GifFrame.h"
#include "imaging/GifScreen.h"
#include "imaging/Result.h"

#include <functional>
#include <string>

namespace brindlecast
{

// One frame of a GIF being read, with what the modes need to name and size it.
struct GifFrameVisit {
    const imaging::GifScreen& screen;
    const imaging::GifFrame& frame;
    int number; // from 1
    bool onlyFrame; // the file holds this one frame
};

// Reads the GIF at `path` one frame at a time, so that no more than one decoded frame is held,
// and hands each frame to `visit`. Gives the number of frames read, or the error that stopped
// the reading (frames before it have been visited).
imaging::Result<int> VisitGifFrames(
    const std::string& path, const std::function<void(const GifFrameVisit&)>& visit);

} // namespace brindlecast
