#pragma once

#include "SourcePicture.h"

#include <filesystem>

namespace brindlecast::conformance
{

// Writes the picture as a PAM file (P7, RGB_ALPHA, 8 bits a channel); false when it cannot.
[[nodiscard]] bool writePam(const std::filesystem::path& path, const SourcePicture& picture);

} // namespace brindlecast::conformance
