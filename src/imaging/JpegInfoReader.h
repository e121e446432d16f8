#pragma once

#include "imaging/ImageInfo.h"
#include "imaging/Result.h"

#include <filesystem>

namespace brindlecast::imaging
{

// Loads the JPEG at `path` as a conversion would (header only) and gathers its information
// values; a file a conversion refuses fails here too.
Result<JpegInfo> readJpegInfo(const std::filesystem::path& path);

} // namespace brindlecast::imaging
