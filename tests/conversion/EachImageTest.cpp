#include "PackingModeTest.h"
#include "conversion/ConversionModes.h"
#include "project/TBrindlecast.h"
#include "sdk/FDT.h"

#include <gtest/gtest.h>

using namespace brindlecast;
using fixtures::GifFixture;
using fixtures::GifFixtureFrame;
using fixtures::JpegFixture;

namespace
{

class EachImage : public PackingModeTest
{
protected:
    EachImage()
    {
        project.ActionType = 1;
        project.Output = ""; // not used by this mode
    }

    std::vector<std::string> run() { return ConvertEachImage(project, host).Lines(); }

    std::string created(const std::string& movie)
    {
        return "D T - " + movie + " has been created successfully.";
    }
};

} // namespace

TEST_F(EachImage, JpegBecomesOneFrameMovieBesideItsSource)
{
    project.Images = { folder.writeJpeg("photo.jpg", fixtures::makeJpeg(JpegFixture { 64, 48 })) };
    EXPECT_EQ(run(), (std::vector<std::string> { created(folder.file("photo.swf")) }));

    const auto movie = readMovie(folder.file("photo.swf"));
    EXPECT_EQ(tagSummary(movie),
        (std::vector<std::string> {
            "background", "jpeg 1", "shape 2", "place 2 at 1", "show", "end" }));
    EXPECT_EQ(movie.header.frameSize.xmax, 1280);
    EXPECT_EQ(movie.header.frameSize.ymax, 960);
    EXPECT_EQ(movie.header.frameRate, 12 << 8);
    EXPECT_EQ(movie.header.frameCount, 1);
    EXPECT_EQ(movie.backgroundColor, (swfread::SwfColor { 255, 255, 255 }));
    // Start and steps only; the status text is left for the end.
    EXPECT_EQ(
        host.calls, (std::vector<std::string> { "start 1", "step 0", "status Idle.", "end" }));
}

TEST_F(EachImage, GifFramesGetMoviesOfTheWholeGifsSizeNumberedFromOne)
{
    GifFixture anim = GifFixture::animation(12, 10, 2, 4);
    anim.frames[1] = GifFixtureFrame { .left = 4, .top = 4, .width = 4, .height = 2 };
    project.Images = { folder.writeGif("logo.gif", GifFixture::animation(6, 6, 1, 4)),
        folder.writeGif("anim.gif", anim) };

    EXPECT_EQ(run(),
        (std::vector<std::string> { created(folder.file("logo.swf")),
            created(folder.file("anim_F1.swf")), created(folder.file("anim_F2.swf")) }));
    for (const char* name : { "anim_F1.swf", "anim_F2.swf" }) {
        const auto movie = readMovie(folder.file(name));
        // Ids restart for every movie written.
        EXPECT_EQ(tagSummary(movie),
            (std::vector<std::string> {
                "background", "lossless 1", "shape 2", "place 2 at 1", "show", "end" }))
            << name;
        EXPECT_EQ(movie.header.frameSize.xmax, 240) << name;
        EXPECT_EQ(movie.header.frameSize.ymax, 200) << name;
    }
    // The offset frame is drawn from the movie's top-left corner in its own size.
    const auto second = readMovie(folder.file("anim_F2.swf"));
    const auto* shape = second.character<swfread::SwfShape>(2);
    ASSERT_NE(shape, nullptr);
    EXPECT_EQ(shape->bounds, (swfread::SwfRect { shape->bounds.bits, 0, 80, 0, 40 }));
    EXPECT_EQ(second.timeline.objectAt(0, 1)->matrix, swfread::SwfMatrix {});
}

TEST_F(EachImage, ProblemsAreReportedAndTheOtherImagesConverted)
{
    const std::string jpeg = folder.writeJpeg("a.jpg", fixtures::makeJpeg(JpegFixture { 8, 8 }));
    project.Images = { folder.file("gone.gif"), jpeg, folder.file("b.bmp"), jpeg };
    EXPECT_EQ(run(),
        (std::vector<std::string> { "D - ERROR:500 File Not Found." + folder.file("gone.gif"),
            created(folder.file("a.swf")),
            "D - WARNING: Unsupported image type skipped." + folder.file("b.bmp"),
            created(folder.file("a.swf")) }));
}

TEST_F(EachImage, CancelDuringTheFirstImageKeepsItsMovie)
{
    project.Images = { folder.writeGif("a.gif", GifFixture::animation(4, 4, 1, 2)),
        folder.writeGif("b.gif", GifFixture::animation(4, 4, 1, 2)),
        folder.writeGif("c.gif", GifFixture::animation(4, 4, 1, 2)) };
    host.cancelAtStep = 0;
    EXPECT_EQ(run(),
        (std::vector<std::string> {
            created(folder.file("a.swf")), "D - ERROR:300 Automation Cancelled By User" }));
    EXPECT_TRUE(std::filesystem::exists(folder.file("a.swf")));
    EXPECT_FALSE(std::filesystem::exists(folder.file("b.swf")));
}

TEST_F(EachImage, MovieThatCannotBeWrittenGivesError400)
{
    const std::string gif = folder.writeGif("a.gif", GifFixture::animation(4, 4, 1, 2));
    std::filesystem::create_directory(folder.file("a.swf"));
    project.Images = { gif };
    EXPECT_EQ(run(),
        (std::vector<std::string> {
            "D - ERROR:400 Could Not Write Movie." + folder.file("a.swf") }));
}
