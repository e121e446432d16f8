#include "FileBytes.h"
#include "MovieTestSupport.h"
#include "RecordingHost.h"
#include "conversion/ConversionModes.h"
#include "project/TBrindlecast.h"
#include "sdk/FDT.h"

#include <algorithm>
#include <gtest/gtest.h>

using namespace brindlecast;
using fixtures::GifFixture;
using fixtures::GifFixtureFrame;
using fixtures::JpegFixture;

namespace
{

class ThreadedHost : public RecordingHost
{
public:
    explicit ThreadedHost(unsigned count)
        : threads(count)
    {
    }
    unsigned CompressionThreads() override { return threads; }

private:
    unsigned threads;
};

// Pictures whose bitmaps differ in size and palette, a GIF that fails half-way (its frames
// compressed already must not reach the movie) and a JPEG among the GIFs.
class CompressionThreads : public ::testing::Test
{
protected:
    CompressionThreads()
    {
        GifFixture animation = GifFixture::animation(61, 37, 24, 256);
        animation.frames[5].graphicControl = true;
        animation.frames[5].transparentIndex = 9;
        animation.frames[7].localColors = 16;
        GifFixture optimized = GifFixture::animation(40, 30, 1, 64);
        for (int i = 1; i < 12; ++i)
            optimized.frames.push_back(
                GifFixtureFrame { .left = i, .top = 2 * i, .width = 5 + i, .height = 3 + 2 * i });
        auto cut = fixtures::encodeGif(GifFixture::animation(32, 32, 6, 16));
        cut.resize(cut.size() - 20);
        fixtures::writeFixtureBytes(folder.path() / "cut.gif", cut);
        folder.writeJpeg("photo.jpg", fixtures::makeJpeg(JpegFixture { 48, 32 }));
        images = { folder.writeGif("anim.gif", animation), folder.file("cut.gif"),
            folder.file("photo.jpg"), folder.writeGif("optimized.gif", optimized) };
    }

    // Runs `mode` over the images with `threads`, then moves the movies it wrote into a folder
    // of their own; gives the report.
    std::vector<std::string> Convert(int mode, unsigned threads, const std::string& into)
    {
        ResetCharacterIds();
        ThreadedHost host(threads);
        host.programFolder = folder.withSlash();
        TBrindlecast project;
        project.ActionType = mode;
        project.Images = images;
        project.Output = folder.file("movie.swf");
        project.ImageDelay = 2;
        const auto lines = ConvertProject(project, host).Lines();
        std::filesystem::create_directory(folder.path() / into);
        for (const auto& entry : std::filesystem::directory_iterator(folder.path()))
            if (entry.path().extension() == ".swf")
                std::filesystem::rename(
                    entry.path(), folder.path() / into / entry.path().filename());
        return lines;
    }

    TempFolder folder;
    std::vector<std::string> images;
};

} // namespace

TEST_F(CompressionThreads, EveryModeWritesTheSameBytesWithOneAndWithFourThreads)
{
    for (const int mode : { 0, 1, 2 }) {
        SCOPED_TRACE("mode " + std::to_string(mode));
        const std::string one = "one" + std::to_string(mode), four = "four" + std::to_string(mode);
        const auto reportOne = Convert(mode, 1, one);
        EXPECT_EQ(Convert(mode, 4, four), reportOne);
        ASSERT_GE(reportOne.size(), 2u); // the cut GIF's error line and a movie at least

        const auto movies = testsupport::entryNames(folder.path() / one);
        EXPECT_EQ(testsupport::entryNames(folder.path() / four), movies);
        EXPECT_GE(movies.size(), mode == 1 ? 24u + 1u + 12u : 1u);
        for (const auto& name : movies)
            EXPECT_TRUE(testsupport::readFile(folder.path() / one / name)
                == testsupport::readFile(folder.path() / four / name))
                << name;
    }
}

TEST_F(CompressionThreads, CancelWithBitmapsStillCompressingWritesNoMovie)
{
    ResetCharacterIds();
    ThreadedHost host(4);
    host.cancelAtStep = 0; // confirmed while the first image, 24 frames, is converted
    TBrindlecast project;
    project.Images = images;
    project.Output = folder.file("movie.swf");

    const auto lines = ConvertAllInOne(project, host).Lines();
    EXPECT_EQ(lines, std::vector<std::string> { "D - ERROR:300 Automation Cancelled By User." });
    EXPECT_FALSE(std::filesystem::exists(project.Output));
    EXPECT_EQ(std::count(host.calls.begin(), host.calls.end(), "step 1"), 0)
        << "the second image was started";
}

// One movie per picture keeps several movies waiting for their bitmaps: a cancel still lets
// the image in progress finish whole, and no movie of a later image is written.
TEST_F(CompressionThreads, EachImageCancelFinishesTheImageInProgressAndWritesNothingAfter)
{
    const auto everything = Convert(1, 1, "one");
    ResetCharacterIds();
    ThreadedHost host(4);
    host.programFolder = folder.withSlash();
    host.cancelAtStep = 0; // confirmed while the first image, 24 frames, is converted
    TBrindlecast project;
    project.ActionType = 1;
    project.Images = images;
    project.Output = folder.file("movie.swf");

    const auto lines = ConvertEachImage(project, host).Lines();
    ASSERT_EQ(lines.size(), 24u + 1u);
    EXPECT_EQ(std::vector(lines.begin(), lines.end() - 1),
        std::vector(everything.begin(), everything.begin() + 24));
    EXPECT_EQ(lines.back(), "D - ERROR:300 Automation Cancelled By User");
    EXPECT_EQ(std::count(host.calls.begin(), host.calls.end(), "step 1"), 0)
        << "the second image was started";

    std::vector<std::string> written;
    for (const auto& entry : std::filesystem::directory_iterator(folder.path()))
        if (entry.path().extension() == ".swf")
            written.push_back(entry.path().filename().string());
    std::sort(written.begin(), written.end());
    ASSERT_EQ(written.size(), 24u);
    for (const auto& name : written) {
        EXPECT_EQ(name.rfind("anim", 0), 0u) << name;
        EXPECT_TRUE(testsupport::readFile(folder.path() / name)
            == testsupport::readFile(folder.path() / "one" / name))
            << name;
    }
}
