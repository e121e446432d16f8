#pragma once

#include <optional>
#include <string>

namespace brindlecast
{

struct PictureSize {
    int width = 0; // pixels
    int height = 0;
};

// The size of a GIF (its logical screen) or JPEG from its header alone, without decoding; none
// for an unsupported type or a file that cannot be read.
std::optional<PictureSize> ReadPictureSize(const std::string& path);

} // namespace brindlecast
