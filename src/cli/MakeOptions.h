#pragma once

#include "project/TBrindlecast.h"

#include <string>
#include <vector>

namespace brindlecast
{

// The project that "make" converts, built from its options and images, or the usage problem
// that stops it.
struct MakeRequest {
    TBrindlecast project;
    unsigned threads = 0; // 0: the machine's count
    bool help = false;
    std::string usageError; // empty when the arguments were understood
};

// Parses the arguments after "make". Relative image and output paths are taken relative to
// `currentFolder` (ending in "/"), as command-line paths are.
MakeRequest ParseMakeArguments(
    const std::vector<std::string>& arguments, const std::string& currentFolder);

// "#RRGGBB" as the project's colour value (red in the low byte); -1 when it is not one.
long ParseBackgroundColor(const std::string& text);

} // namespace brindlecast
