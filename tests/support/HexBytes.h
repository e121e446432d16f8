#pragma once

#include <cstdint>
#include <gtest/gtest.h>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace brindlecast::testsupport
{

using Bytes = std::vector<std::uint8_t>;

// "46 57 53" -> the three bytes; whitespace between bytes is ignored, an odd number of digits
// fails the test.
Bytes hexBytes(std::string_view text);
// The bytes as "46 57 53 ", the form hexBytes reads.
std::string toHex(std::span<const std::uint8_t> bytes);
Bytes concat(std::initializer_list<Bytes> parts);

// Equal, or a failure that shows both sides in hex from the first differing byte.
::testing::AssertionResult sameBytes(
    std::span<const std::uint8_t> actual, std::span<const std::uint8_t> expected);

} // namespace brindlecast::testsupport
