#pragma once

#include "imaging/ImageInfo.h"
#include "imaging/Result.h"

#include <filesystem>

namespace brindlecast::imaging
{

// Reads every frame of the GIF at `path` (decoding it, so a damaged file fails here as it
// would when shown) and gathers its information values.
Result<GifInfo> readGifInfo(const std::filesystem::path& path);

} // namespace brindlecast::imaging
