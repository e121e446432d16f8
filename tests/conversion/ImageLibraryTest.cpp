#include "PackingModeTest.h"
#include "conversion/ConversionModes.h"
#include "project/TBrindlecast.h"
#include "sdk/FDT.h"

#include <gtest/gtest.h>

using namespace brindlecast;
using fixtures::GifFixture;
using fixtures::JpegFixture;

namespace
{

class ImageLibrary : public PackingModeTest
{
protected:
    ImageLibrary()
    {
        project.ActionType = 2;
        project.Output = folder.file("lib.swf");
    }

    std::vector<std::string> run() { return ConvertImageLibrary(project, host).Lines(); }

    std::string photo()
    {
        return folder.writeJpeg("photo.jpg", fixtures::makeJpeg(JpegFixture { 16, 8 }));
    }
};

} // namespace

TEST_F(ImageLibrary, JpegAndGifAreDefinedAndExportedByShapeId)
{
    project.Images = { photo(), folder.writeGif("logo.gif", GifFixture::animation(8, 8, 1, 4)) };
    EXPECT_EQ(run(),
        (std::vector<std::string> {
            "D T - " + project.Output + " has been created successfully." }));

    const auto movie = readMovie(project.Output);
    EXPECT_EQ(tagSummary(movie),
        (std::vector<std::string> { "background", "jpeg 1", "shape 2", "lossless 3", "shape 4",
            "remove 2 at 1", "export 2:photo 4:logo", "show", "end" }));
    EXPECT_EQ(movie.header.frameSize.xmax, 2000);
    EXPECT_EQ(movie.header.frameSize.ymax, 2000);
    EXPECT_EQ(movie.header.frameRate, 12 << 8);
    EXPECT_EQ(movie.header.frameCount, 1);
    EXPECT_EQ(movie.backgroundColor, (swfread::SwfColor { 255, 255, 255 }));
}

TEST_F(ImageLibrary, GifFramesAndRepeatedImagesAreExportedUnderTheirNames)
{
    const std::string jpeg = photo();
    project.Images = { folder.writeGif("anim.gif", GifFixture::animation(4, 4, 3, 2)), jpeg, jpeg,
        folder.file("gone.jpg") };
    EXPECT_EQ(run(),
        (std::vector<std::string> { "D - ERROR:500 File Not Found." + folder.file("gone.jpg"),
            "D T - " + project.Output + " has been created successfully." }));
    const auto summary = tagSummary(readMovie(project.Output));
    EXPECT_EQ(
        summary.at(summary.size() - 3), "export 2:anim_F1 4:anim_F2 6:anim_F3 8:photo 10:photo");
    EXPECT_EQ(std::count_if(summary.begin(), summary.end(),
                  [](const std::string& s) { return s.rfind("remove", 0) == 0; }),
        4);
    EXPECT_EQ(std::count_if(summary.begin(), summary.end(),
                  [](const std::string& s) { return s.rfind("place", 0) == 0; }),
        0);
}

TEST_F(ImageLibrary, BareOutputNameGoesToTheProgramFolder)
{
    project.Images = { photo() };
    project.Output = "lib";
    EXPECT_EQ(run(),
        (std::vector<std::string> {
            "D T - " + folder.file("lib.swf") + " has been created successfully." }));
    EXPECT_EQ(host.calls,
        (std::vector<std::string> {
            "start 1", "step 0", "output " + folder.file("lib.swf"), "status Idle.", "end" }));
}

TEST_F(ImageLibrary, CancelWritesNoMovieAndStampsDateAndTime)
{
    project.Images = { photo(), photo() };
    host.cancelAtStep = 0;
    EXPECT_EQ(
        run(), (std::vector<std::string> { "D T - ERROR:300 Automation cancelled by user." }));
    EXPECT_FALSE(std::filesystem::exists(project.Output));
}
