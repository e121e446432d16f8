#pragma once

#include "imaging/GifFrame.h"
#include "imaging/RgbaImage.h"

namespace brindlecast::imaging
{

// One frame alone at its own size, not combined with earlier frames. The transparent index
// and indices past the colour table become transparent black (0, 0, 0, 0); every other pixel
// is opaque.
RgbaImage renderGifFrame(const GifFrame& frame, const GifColorMap& globalColorMap);

} // namespace brindlecast::imaging
