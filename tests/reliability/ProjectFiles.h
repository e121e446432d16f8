#pragma once

#include "project/TBrindlecast.h"

#include <filesystem>
#include <string>
#include <vector>

namespace brindlecast::reliability
{

enum class LineEnds { Windows, Unix };

// A project of `images` in one packing mode, with the given output and an image delay of 1.
TBrindlecast makeProject(
    const std::vector<std::string>& images, const std::string& output, int actionType = 0);

// Writes the project file as the program saves it; with Unix line ends every "\r\n" becomes
// "\n", as after a text-mode copy.
std::filesystem::path writeProject(const std::filesystem::path& path, const TBrindlecast& project,
    LineEnds ends = LineEnds::Windows);

} // namespace brindlecast::reliability
