#pragma once

#include "GifFixture.h"
#include "JpegFixture.h"
#include "TempFolder.h"
#include "swfread/SwfMovie.h"

#include <filesystem>
#include <string>
#include <vector>

// A test's own temporary folder that also writes fixture images and serves as a program folder.
class TempFolder : public brindlecast::testsupport::TempFolder
{
public:
    // The folder as a program folder: ending in "/".
    std::string withSlash() const { return path().string() + "/"; }

    std::string writeGif(
        const std::string& name, const brindlecast::fixtures::GifFixture& gif) const;
    std::string writeJpeg(const std::string& name, const std::vector<std::uint8_t>& jpeg) const;
};

// Reads a written movie back; a movie that cannot be read fails the test.
brindlecast::swfread::SwfMovie readMovie(const std::string& path);

// Every tag of the movie in order, in words, so that a wrong order shows at a glance:
// "background", "jpeg 1", "lossless 3", "shape 2", "place 2 at 1", "remove 2 at 1",
// "button 7", "export 2:photo 4:logo", "show", "end".
std::vector<std::string> tagSummary(const brindlecast::swfread::SwfMovie& movie);

// n copies of "show".
std::vector<std::string> shows(int n);
std::vector<std::string> operator+(std::vector<std::string> a, const std::vector<std::string>& b);
