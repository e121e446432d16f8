#pragma once

#include "imaging/GifFrame.h"
#include "imaging/GifScreen.h"
#include "imaging/Result.h"

#include <filesystem>

namespace brindlecast::imaging
{

// Writes a GIF file holding one frame: the logical screen size and global colour table of
// `screen`, and the frame with its position, its own colour table and its extension blocks.
// The file is written to a temporary file in the target's folder and renamed over the
// target when complete, so a failed write leaves an earlier file of that name untouched.
// An interlaced frame is written in row order. The raster is written exactly: a colour table
// too short for its indices (or a missing one) is padded with black entries.
Result<void> writeGifFrame(
    const GifScreen& screen, const GifFrame& frame, const std::filesystem::path& target);

// Reads `source` afresh and writes its frame `index` (counted from 0) to `target` as above.
// Gives false, writing nothing, when the source has no frame of that index.
Result<bool> saveGifFrame(
    const std::filesystem::path& source, int index, const std::filesystem::path& target);

} // namespace brindlecast::imaging
