#include "HexBytes.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

namespace brindlecast::testsupport
{

namespace
{

    // Enough bytes to see where a record goes wrong without flooding the log.
    constexpr std::size_t kShownBytes = 48;

    std::string hexFrom(std::span<const std::uint8_t> bytes, std::size_t first)
    {
        if (first >= bytes.size())
            return "(end)";
        const std::size_t count = std::min(bytes.size() - first, kShownBytes);
        std::string text = toHex(bytes.subspan(first, count));
        if (first + count < bytes.size())
            text += "...";
        return text;
    }

} // namespace

Bytes hexBytes(std::string_view text)
{
    Bytes bytes;
    std::string digits;
    for (const char c : text) {
        if (std::isspace(static_cast<unsigned char>(c)))
            continue;
        digits += c;
        if (digits.size() == 2) {
            bytes.push_back(static_cast<std::uint8_t>(std::stoul(digits, nullptr, 16)));
            digits.clear();
        }
    }
    EXPECT_TRUE(digits.empty()) << "odd number of hex digits in: " << text;
    return bytes;
}

std::string toHex(std::span<const std::uint8_t> bytes)
{
    std::string text;
    for (const std::uint8_t byte : bytes) {
        char digits[4];
        std::snprintf(digits, sizeof digits, "%02X ", byte);
        text += digits;
    }
    return text;
}

Bytes concat(std::initializer_list<Bytes> parts)
{
    Bytes all;
    for (const Bytes& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

::testing::AssertionResult sameBytes(
    std::span<const std::uint8_t> actual, std::span<const std::uint8_t> expected)
{
    std::size_t first = 0;
    while (first < actual.size() && first < expected.size() && actual[first] == expected[first])
        ++first;
    if (first == actual.size() && first == expected.size())
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
        << "bytes differ from offset " << first << " (sizes: actual " << actual.size()
        << ", expected " << expected.size() << ")\n  actual:   " << hexFrom(actual, first)
        << "\n  expected: " << hexFrom(expected, first);
}

} // namespace brindlecast::testsupport
