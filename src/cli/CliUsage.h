#pragma once

#include <string_view>

namespace brindlecast
{

// The --help texts of brindlecast-cli and of each of its commands.
extern const std::string_view kMainUsage;
extern const std::string_view kConvertUsage;
extern const std::string_view kMakeUsage;
extern const std::string_view kInfoUsage;
extern const std::string_view kSplitUsage;

} // namespace brindlecast
