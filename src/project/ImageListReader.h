#pragma once

#include <string>
#include <string_view>
#include <vector>

// The entries of an image list's content: each "image" element in turn, cut after its closing
// tag. Text that is not an image element yields "0" entries, one per seven characters dropped,
// as files read before always did.
std::vector<std::string> ReadImageEntries(std::string_view imageListContent);
