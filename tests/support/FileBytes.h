#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace brindlecast::testsupport
{

// The whole content of a file; empty when it cannot be read.
std::string readFile(const std::filesystem::path& path);
std::vector<std::uint8_t> readFileBytes(const std::filesystem::path& path);

// Creates or replaces a file with exactly these bytes; false when that fails.
[[nodiscard]] bool tryWriteFile(const std::filesystem::path& path, std::string_view bytes);
[[nodiscard]] bool tryWriteFile(
    const std::filesystem::path& path, std::span<const std::uint8_t> bytes);
// The same, but throws when that fails, so that a test never goes on with a fixture it does
// not have.
void writeFile(const std::filesystem::path& path, std::string_view bytes);
void writeFile(const std::filesystem::path& path, std::span<const std::uint8_t> bytes);

} // namespace brindlecast::testsupport
