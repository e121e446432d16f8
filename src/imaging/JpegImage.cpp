#include "imaging/JpegImage.h"

#include "imaging/JpegDecompressor.h"

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

    Result<std::vector<std::uint8_t>> readFile(const std::filesystem::path& path)
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
        std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
        in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(size));
        if (static_cast<std::uintmax_t>(in.gcount()) != size)
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
