#pragma once

#include "conversion/GifFrameBitmap.h"
#include "conversion/TagList.h"
#include "sdk/FTypes.h"

class FCompressionPool;

namespace brindlecast
{

// Appends the frame's lossless bitmap, a rectangle shape of the frame's size filled with it
// (drawn from the origin, whatever the frame's offset in its GIF) and, when `previousId` is
// not 0, the removal of that shape from depth 1. Returns the new shape's id. Given a pool, the
// bitmap is compressed there; ids and tag order do not change.
S32 BuildGifFrame(
    TagList& tags, const GifFrameBitmap& bitmap, S32 previousId, FCompressionPool* pool = nullptr);

} // namespace brindlecast
