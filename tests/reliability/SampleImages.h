#pragma once

#include "JpegFixture.h"

#include <filesystem>
#include <string>

namespace brindlecast::reliability
{

// Good pictures for the projects of the tests, told apart by their sizes. Each returns the
// path written, as the project's image list holds it.
std::string writeGoodGif(const std::filesystem::path& path, int width, int height, int frames = 1);
std::string writeGoodJpeg(
    const std::filesystem::path& path, int width, int height, fixtures::JpegEncoding encoding = {});

} // namespace brindlecast::reliability
