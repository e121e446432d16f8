#include "CliProcess.h"
#include "FixturePattern.h"
#include "MovieTestSupport.h"
#include "imaging/GifImage.h"

#include <gtest/gtest.h>

using brindlecast::fixtures::GifFixture;
using brindlecast::fixtures::GifFixtureFrame;
using brindlecast::fixtures::JpegFixture;

TEST(InfoCommand, PrintsTheInformationValuesOfEachFile)
{
    TempFolder folder;
    GifFixture gif;
    gif.width = 30;
    gif.height = 20;
    gif.globalColors = 16;
    gif.frames.push_back(GifFixtureFrame {
        .width = 30, .height = 20, .graphicControl = true, .transparentIndex = 2 });
    const std::string gifPath = folder.writeGif("t.gif", gif);
    JpegFixture grey { 100, 50, brindlecast::fixtures::JpegColor::Grey, { 90, true } };
    const std::string jpegPath = folder.writeJpeg("g.jpg", brindlecast::fixtures::makeJpeg(grey));

    // The global table's entry at the background index 0, red in the low byte.
    const auto entry = brindlecast::fixtures::patternColor(0, 0);
    const unsigned background = entry.red | entry.green << 8 | entry.blue << 16;

    const CliRun run = runCli({ "info", "t.gif", "broken.jpg", "g.jpg" }, folder.path());
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("broken.jpg"), std::string::npos) << run.err;
    EXPECT_EQ(run.out,
        "File Name: " + gifPath
            + "\n"
              "File Size: "
            + std::to_string(std::filesystem::file_size(gifPath))
            + " Bytes.\n"
              "Width: 30\n"
              "Height: 20\n"
              "Bits per Pixel : 4\n"
              "Color Resolution : 3\n"
              "Giif Version : v89a\n"
              "Reduction Bits : 8\n"
              "Transparency : Transparent\n"
              "Compression : Normal LZW compression\n"
              "Color Reduction : Reduce to the Netscape 216 color palette\n"
              "Background Color : "
            + std::to_string(background)
            + "\n"
              "Dither Mode : Nearest color matching w/o error correction\n"
              "\n"
              "File Name: "
            + jpegPath
            + "\n"
              "File Size: "
            + std::to_string(std::filesystem::file_size(jpegPath))
            + " Bytes.\n"
              "Width: 100\n"
              "Height: 50\n"
              "Comp. Quality : 10 %\n"
              "Gray Scale : on\n"
              "Performance : Optimized for quality.\n"
              "Pixel Format : jf24Bit\n"
              "Progressive Disp. : off\n"
              "Progressive Enc. : on\n"
              "Scale : Full\n"
              "Smoothing : on\n");
}

TEST(SplitCommand, WritesEveryFrameAsItsOwnGif)
{
    TempFolder folder;
    const GifFixture anim = GifFixture::animation(6, 4, 3, 4);
    folder.writeGif("walk.gif", anim);
    std::filesystem::create_directory(folder.path() / "frames");

    const struct {
        std::vector<std::string> arguments;
        std::string prefix;
    } cases[] = {
        { { "split", "walk.gif" }, "walk_F" },
        { { "split", "walk.gif", "--out", "frames" }, "frames/walk_F" },
    };
    for (const auto& c : cases) {
        const CliRun run = runCli(c.arguments, folder.path());
        EXPECT_EQ(run.exitCode, 0) << run.err;
        EXPECT_EQ(run.out,
            c.prefix + "1.gif successfully saved.\n" + c.prefix + "2.gif successfully saved.\n"
                + c.prefix + "3.gif successfully saved.\n");
        for (int k = 0; k < 3; ++k) {
            const auto written = brindlecast::imaging::GifImage::load(
                folder.file(c.prefix + std::to_string(k + 1) + ".gif"));
            ASSERT_TRUE(written.ok()) << written.error();
            ASSERT_EQ(written.value().frames.size(), 1u);
            EXPECT_EQ(
                written.value().frames[0].raster, brindlecast::fixtures::gifFixtureRaster(anim, k));
        }
    }
}

TEST(SplitCommand, UnreadableSourceGivesExitStatusOne)
{
    TempFolder folder;
    const CliRun run = runCli({ "split", "none.gif" }, folder.path());
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("none.gif"), std::string::npos);
}
