#pragma once

#include "swfread/SwfHeader.h"
#include "swfread/SwfReadResult.h"
#include "swfread/SwfTag.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace brindlecast::swfread
{

// A movie file split into its header and its tags, the end tag last.
struct SwfFile {
    SwfHeader header;
    std::vector<SwfTag> tags;
};

// Limits that keep hostile files from exhausting memory. Movies the writer produces stay far
// below them.
inline constexpr uint32_t kMaxMovieBytes = 1u << 30;
inline constexpr size_t kMaxTagCount = size_t { 1 } << 22;

// Reads "FWS" and "CWS" bytes. `sourceName` (usually the path) starts every error text.
SwfReadResult<SwfFile> readSwfContainer(
    std::span<const uint8_t> bytes, const std::string& sourceName);

} // namespace brindlecast::swfread
