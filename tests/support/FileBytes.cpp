#include "FileBytes.h"

#include <fstream>
#include <iterator>
#include <stdexcept>

namespace brindlecast::testsupport
{

std::string readFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return { std::istreambuf_iterator<char>(in), {} };
}

std::vector<std::uint8_t> readFileBytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return { std::istreambuf_iterator<char>(in), {} };
}

bool tryWriteFile(const std::filesystem::path& path, std::string_view bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    return !out.fail();
}

bool tryWriteFile(const std::filesystem::path& path, std::span<const std::uint8_t> bytes)
{
    return tryWriteFile(
        path, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

void writeFile(const std::filesystem::path& path, std::string_view bytes)
{
    if (!tryWriteFile(path, bytes))
        throw std::runtime_error("cannot write " + path.string());
}

void writeFile(const std::filesystem::path& path, std::span<const std::uint8_t> bytes)
{
    if (!tryWriteFile(path, bytes))
        throw std::runtime_error("cannot write " + path.string());
}

} // namespace brindlecast::testsupport
