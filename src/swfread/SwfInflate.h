#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace brindlecast::swfread
{

// Inflates one zlib stream that must fill exactly `expectedSize` bytes and use all of `input`.
// The output grows with what the stream really yields, so a size field that lies cannot make it
// allocate more than the data inflates to. Throws SwfFormatError naming `what` otherwise.
std::vector<uint8_t> inflateExactly(
    std::span<const uint8_t> input, size_t expectedSize, const std::string& what);

} // namespace brindlecast::swfread
