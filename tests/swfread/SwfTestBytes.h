#pragma once

#include "HexBytes.h"
#include "swfread/SwfTag.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace brindlecast::swfread::test
{

using testsupport::Bytes;
using testsupport::concat;
using testsupport::hexBytes;
using testsupport::toHex;

Bytes zlibCompress(std::span<const uint8_t> bytes);

// An uncompressed movie of 2000 x 2000 twips at 12 frames per second holding `tags` and the end
// tag, with the file length and frame count filled in.
Bytes fwsMovie(const Bytes& tags, uint16_t frameCount = 1);
// The "CWS" form of an "FWS" movie.
Bytes cwsMovie(const Bytes& fws);

// The one tag whose header and body `hex` holds, split by the container reader.
SwfTag tagOf(std::string_view hex);

SwfTag tagWithBody(uint16_t code, const Bytes& body);

// Passes when `text` holds `part`, and shows both otherwise.
::testing::AssertionResult contains(const std::string& text, std::string_view part);

} // namespace brindlecast::swfread::test
