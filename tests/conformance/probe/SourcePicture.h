#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace brindlecast::conformance
{

// One picture as its source file holds it, decoded straight with giflib or libjpeg-turbo:
// 4 bytes a pixel (red, green, blue, alpha), row by row. Alpha is 0 for a GIF frame's
// transparent pixels and 255 everywhere else.
struct SourcePicture {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgba;
};

struct [[nodiscard]] SourcePictures {
    std::vector<SourcePicture> pictures; // one per GIF frame, one for a JPEG
    std::string error; // names the file and what failed; empty on success
};

// Every frame of a GIF file, each at its own size (its offset in the GIF is not applied).
SourcePictures decodeGifFrames(const std::filesystem::path& path);

// The picture of a JPEG file (baseline, progressive or greyscale), as RGB.
SourcePictures decodeJpeg(const std::filesystem::path& path);

} // namespace brindlecast::conformance
