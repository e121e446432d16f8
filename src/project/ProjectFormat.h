#pragma once

// Constants of the ".imx" project file: a tagged text with one element per line, written and
// searched by plain text routines rather than an XML parser.

#include <string_view>

namespace ProjectFormat
{

inline constexpr std::string_view kFileFormatVersion = "1.0";
inline constexpr std::string_view kProgramId = "VAQ1000";
inline constexpr std::string_view kLineBreak = "\r\n";

inline constexpr std::string_view kRootElement = "brindlecastproject";
inline constexpr std::string_view kProgramIdElement = "prgid";
inline constexpr std::string_view kFileVersionElement = "filever";
inline constexpr std::string_view kNameElement = "name";
inline constexpr std::string_view kOutputElement = "output";
inline constexpr std::string_view kTypeElement = "type";
inline constexpr std::string_view kFrameRateElement = "framerate";
inline constexpr std::string_view kDelayElement = "delay";
inline constexpr std::string_view kLinkElement = "link";
inline constexpr std::string_view kTargetElement = "target";
inline constexpr std::string_view kBackgroundColorElement = "backgroundcolor";
inline constexpr std::string_view kImageListElement = "imagelist";
inline constexpr std::string_view kImageElement = "image";

} // namespace ProjectFormat
