#include "imaging/JpegImage.h"

#include "imaging/JpegDecompressor.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <system_error>
#include <utility>

namespace brindlecast::imaging
{
namespace
{

    // Far beyond any JPEG within the pixel limits; a larger file is not read into memory.
    constexpr std::uintmax_t kMaxFileBytes = 512ULL * 1024 * 1024;

    // Enough for the markers before the first scan of nearly every file.
    constexpr std::uintmax_t kHeaderReadBytes = 64 * 1024;

    // The file's first `limit` bytes (all of it when it is shorter).
    Result<std::vector<std::uint8_t>> readFile(
        const std::filesystem::path& path, std::uintmax_t limit = kMaxFileBytes)
    {
        const std::string name = path.string();
        std::error_code error;
        if (!std::filesystem::is_regular_file(path, error))
            return ImagingError { name
                + ": cannot open the file: " + (error ? error.message() : "not a regular file") };
        const std::uintmax_t size = std::filesystem::file_size(path, error);
        if (error)
            return ImagingError { name + ": cannot open the file: " + error.message() };
        if (size > kMaxFileBytes)
            return ImagingError { name + ": the file is larger than "
                + std::to_string(kMaxFileBytes >> 20) + " MiB" };

        std::ifstream in(path, std::ios::binary);
        if (!in)
            return ImagingError { name + ": cannot open the file: " + std::strerror(errno) };
        const std::uintmax_t wanted = std::min(size, limit);
        std::vector<std::uint8_t> bytes(static_cast<std::size_t>(wanted));
        in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(wanted));
        if (static_cast<std::uintmax_t>(in.gcount()) != wanted)
            return ImagingError { name + ": cannot read the file" };
        return bytes;
    }

} // namespace

JpegImage::JpegImage(std::vector<std::uint8_t> bytes, std::string name, JpegHeader header)
    : bytes_(std::move(bytes))
    , name_(std::move(name))
    , header_(std::move(header))
{
}

Result<JpegImage> JpegImage::load(const std::filesystem::path& path)
{
    auto bytes = readFile(path);
    if (!bytes)
        return ImagingError { bytes.error() };
    return loadBytes(std::move(bytes).value(), path.string());
}

Result<JpegImage> JpegImage::loadBytes(std::vector<std::uint8_t> bytes, const std::string& name)
{
    JpegDecompressor decompressor(bytes, name);
    auto header = decompressor.readHeader();
    if (!header)
        return ImagingError { header.error() };
    return JpegImage(std::move(bytes), name, std::move(header).value());
}

Result<JpegHeader> JpegImage::readHeader(const std::filesystem::path& path)
{
    const auto start = readFile(path, kHeaderReadBytes);
    if (!start)
        return ImagingError { start.error() };
    auto header = JpegDecompressor(start.value(), path.string()).readHeader();
    if (header || start.value().size() < kHeaderReadBytes)
        return header;
    // The markers run past the start, or the file is bad: a whole load tells which.
    auto image = load(path);
    if (!image)
        return ImagingError { image.error() };
    return image.value().header();
}

Result<DecodedJpeg> JpegImage::decode() const
{
    JpegDecompressor decompressor(bytes_, name_);
    if (auto header = decompressor.readHeader(); !header)
        return ImagingError { header.error() };
    auto image = decompressor.decodeRgba();
    if (!image)
        return ImagingError { image.error() };
    return DecodedJpeg { std::move(image).value(), decompressor.warning() };
}

} // namespace brindlecast::imaging
