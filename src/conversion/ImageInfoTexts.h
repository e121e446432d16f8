#pragma once

#include "imaging/ImageInfo.h"

#include <string>
#include <utility>
#include <vector>

namespace brindlecast
{

// The image information of a file as caption and value pairs, in the order the information
// panel lists them; the same texts serve the window and the command-line tool.
using InfoLines = std::vector<std::pair<std::string, std::string>>;

InfoLines GifInfoLines(const std::string& path, const imaging::GifInfo& info);
InfoLines JpegInfoLines(const std::string& path, const imaging::JpegInfo& info);

} // namespace brindlecast
