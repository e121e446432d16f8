#include "FixturePattern.h"
#include "PackingModeTest.h"
#include "conversion/ConversionModes.h"
#include "imaging/JpegImage.h"
#include "project/TBrindlecast.h"
#include "sdk/FDT.h"
#include "swfread/SwfTagDecoders.h"

#include <gtest/gtest.h>
#include <unistd.h>

using namespace brindlecast;
using fixtures::GifFixture;
using fixtures::GifFixtureFrame;
using fixtures::JpegFixture;

namespace
{

class AllInOne : public PackingModeTest
{
protected:
    AllInOne() { project.Output = folder.file("movie.swf"); }

    std::vector<std::string> run()
    {
        report = ConvertAllInOne(project, host).Lines();
        return report;
    }

    std::string jpeg(const std::string& name, int width, int height, bool progressive = false)
    {
        JpegFixture fixture { width, height };
        fixture.encoding.progressive = progressive;
        fixture.seed = width;
        return folder.writeJpeg(name, fixtures::makeJpeg(fixture));
    }

    std::string smallGif(const std::string& name, int frames = 1)
    {
        return folder.writeGif(name, GifFixture::animation(8, 4, frames, 4));
    }

    std::vector<std::string> report;
};

} // namespace

TEST_F(AllInOne, TwoJpegsWithALinkGiveTheDocumentedTagOrder)
{
    const std::string first = jpeg("a.jpg", 100, 50);
    const std::string second = jpeg("b.jpg", 40, 80);
    project.Images = { first, second };
    project.ImageDelay = 2;
    project.FrameRate = 15;
    project.BackgroundColor = 0x00336699; // red 0x99, green 0x66, blue 0x33
    project.Link = "http://example.org/x";
    project.Target = "_top";

    EXPECT_EQ(run(),
        std::vector<std::string> { "D - " + project.Output + " has been created successfully." });

    const auto movie = readMovie(project.Output);
    EXPECT_EQ(tagSummary(movie),
        (std::vector<std::string>({ "background", "jpeg 1", "shape 2", "place 2 at 1", "shape 3",
             "shape 4", "shape 5", "shape 6", "button 7", "place 7 at 2" })
            + shows(2)
            + std::vector<std::string> { "jpeg 8", "shape 9", "remove 2 at 1", "place 9 at 1" }
            + shows(2) + std::vector<std::string> { "end" }));
    EXPECT_EQ(movie.header.signature, "CWS");
    EXPECT_EQ(movie.header.frameSize.xmax, 2000); // the largest width and height
    EXPECT_EQ(movie.header.frameSize.ymax, 1600);
    EXPECT_EQ(movie.header.frameCount, 4);
    EXPECT_EQ(movie.header.frameRate, 15 << 8);
    EXPECT_EQ(movie.backgroundColor, (swfread::SwfColor { 0x99, 0x66, 0x33 }));

    // Baseline JPEGs go in byte for byte; each shape covers its own picture from the origin.
    const auto* jpegBitmap = movie.character<swfread::SwfJpegBitmap>(8);
    ASSERT_NE(jpegBitmap, nullptr);
    EXPECT_EQ(jpegBitmap->jpeg, fixtures::makeJpeg(JpegFixture { 40, 80, {}, {}, 40 }));
    const auto* shape = movie.character<swfread::SwfShape>(9);
    ASSERT_NE(shape, nullptr);
    EXPECT_EQ(shape->bounds, (swfread::SwfRect { shape->bounds.bits, 0, 800, 0, 1600 }));
    ASSERT_EQ(shape->fillStyles.size(), 2u);
    EXPECT_EQ(shape->fillStyles[0].bitmapId, 65535);
    EXPECT_EQ(shape->fillStyles[1].bitmapId, 8);
    EXPECT_EQ(shape->fillStyles[1].matrix.scaleX, 20 << 16);

    // The invisible button covers the whole movie and opens the link on release.
    const auto* button = movie.character<swfread::SwfButton>(7);
    ASSERT_NE(button, nullptr);
    ASSERT_EQ(button->records.size(), 4u);
    EXPECT_TRUE(button->records[0].up);
    EXPECT_EQ(button->records[0].characterId, 3);
    EXPECT_TRUE(button->records[3].hitTest);
    EXPECT_EQ(button->records[3].characterId, 6);
    EXPECT_EQ(button->records[3].colorTransform.alphaMult, 0);
    ASSERT_EQ(button->conditions.size(), 1u);
    EXPECT_EQ(button->conditions[0].flags, 0x0008);
    ASSERT_EQ(button->conditions[0].actions.size(), 1u);
    EXPECT_EQ(button->conditions[0].actions[0].getUrl,
        (swfread::SwfGetUrl { "http://example.org/x", "_top" }));
    const auto* hitArea = movie.character<swfread::SwfShape>(6);
    ASSERT_NE(hitArea, nullptr);
    EXPECT_EQ(hitArea->bounds, (swfread::SwfRect { hitArea->bounds.bits, -10, 2010, -10, 1610 }));

    EXPECT_EQ(host.calls,
        (std::vector<std::string> { "status Automation on progress.", "start 2", "step 0", "step 1",
            "bar 2", "status Idle.", "end" }));
}

TEST_F(AllInOne, GifFramesBecomePaddedBitmapsWithTheirPalettes)
{
    GifFixture gif;
    gif.width = 10;
    gif.height = 6;
    gif.globalColors = 4;
    gif.frames.push_back(GifFixtureFrame { .width = 10, .height = 6 });
    gif.frames.push_back(GifFixtureFrame { .left = 2,
        .top = 1,
        .width = 5,
        .height = 3,
        .localColors = 8,
        .graphicControl = true,
        .transparentIndex = 3 });
    project.Images = { folder.writeGif("anim.gif", gif) };
    project.ImageDelay = 12;
    project.Link = "";

    EXPECT_EQ(run().size(), 1u);
    const auto movie = readMovie(project.Output);
    EXPECT_EQ(tagSummary(movie),
        (std::vector<std::string>({ "background", "lossless 1", "shape 2", "place 2 at 1" })
            + shows(12)
            + std::vector<std::string> { "lossless 3", "shape 4", "remove 2 at 1", "place 4 at 1" }
            + shows(12) + std::vector<std::string> { "end" }));
    EXPECT_EQ(movie.header.frameCount, 24);
    EXPECT_EQ(movie.header.frameSize.xmax, 200);
    EXPECT_EQ(movie.header.frameSize.ymax, 120);

    struct Expected {
        uint16_t id;
        int frame, width, height, paddedWidth, paddedHeight, tableEntries, seed;
        int transparent;
    };
    for (const Expected e :
        { Expected { 1, 0, 10, 6, 12, 8, 4, 0, -1 }, Expected { 3, 1, 5, 3, 8, 4, 8, 2, 3 } }) {
        const auto* bitmap = movie.character<swfread::SwfLosslessBitmap>(e.id);
        ASSERT_NE(bitmap, nullptr);
        EXPECT_EQ(bitmap->format, 3);
        EXPECT_EQ(bitmap->width, e.paddedWidth);
        EXPECT_EQ(bitmap->height, e.paddedHeight);
        EXPECT_EQ(bitmap->colorTableSize, 256u);
        const auto raster = fixtures::gifFixtureRaster(gif, e.frame);
        for (int y = 0; y < e.paddedHeight; ++y) {
            for (int x = 0; x < e.paddedWidth; ++x) {
                const int want = x < e.width && y < e.height
                    ? raster[static_cast<std::size_t>(y * e.width + x)]
                    : 0;
                ASSERT_EQ(bitmap->pixels[static_cast<std::size_t>(y * e.paddedWidth + x)], want)
                    << "bitmap " << e.id << " at " << x << "," << y;
            }
        }
        for (int i = 0; i < 256; ++i) {
            std::array<uint8_t, 4> want {};
            if (i < e.tableEntries && i != e.transparent) {
                const auto color = fixtures::patternColor(i, e.seed);
                want = { color.red, color.green, color.blue, 255 };
            }
            const auto* entry = &bitmap->colorTable[static_cast<std::size_t>(i) * 4];
            ASSERT_EQ((std::array<uint8_t, 4> { entry[0], entry[1], entry[2], entry[3] }), want)
                << "bitmap " << e.id << " entry " << i;
        }
        const auto* shape = movie.character<swfread::SwfShape>(static_cast<uint16_t>(e.id + 1));
        ASSERT_NE(shape, nullptr);
        EXPECT_EQ(shape->bounds.xmax, 20 * e.width); // unpadded, from the origin
        EXPECT_EQ(shape->bounds.ymax, 20 * e.height);
        EXPECT_EQ(shape->fillStyles.at(0).bitmapId, e.id);
    }
}

TEST_F(AllInOne, ProgressiveJpegIsEmbeddedAsALosslessSingleScanCopy)
{
    const auto progressive = fixtures::makeJpeg(JpegFixture { 24, 16, {}, { 90, true }, 3 });
    project.Images = { folder.writeJpeg("p.jpg", progressive) };
    EXPECT_EQ(run().size(), 1u);

    const auto movie = readMovie(project.Output);
    const auto* bitmap = movie.character<swfread::SwfJpegBitmap>(1);
    ASSERT_NE(bitmap, nullptr);
    auto embedded = imaging::JpegImage::loadBytes(bitmap->jpeg);
    auto original = imaging::JpegImage::loadBytes(progressive);
    ASSERT_TRUE(embedded.ok() && original.ok());
    EXPECT_FALSE(embedded.value().header().progressive);
    const auto embeddedPixels = embedded.value().decode();
    const auto originalPixels = original.value().decode();
    ASSERT_TRUE(embeddedPixels.ok() && originalPixels.ok());
    EXPECT_TRUE(embeddedPixels.value().image.pixels == originalPixels.value().image.pixels);
    // Nothing is left beside the program or in the current folder.
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "temp.~jpg"));
    EXPECT_FALSE(std::filesystem::exists("temp.~jpg"));
}

TEST_F(AllInOne, ImagesThatCannotBeReadAreReportedAndLeftOut)
{
    GifFixture truncated = GifFixture::animation(8, 4, 3, 4);
    auto bytes = fixtures::encodeGif(truncated);
    bytes.resize(bytes.size() - 12); // the last frame is cut
    fixtures::writeFixtureBytes(folder.path() / "cut.gif", bytes);

    const std::string first = smallGif("first.gif");
    const std::string third = jpeg("third.jpg", 8, 8);
    project.Images = { first, folder.file("missing.gif"), folder.file("cut.gif"),
        folder.file("notes.png"), third };
    project.Link = "";

    EXPECT_EQ(run(),
        (std::vector<std::string> { "D - ERROR:500 File Not Found." + folder.file("missing.gif"),
            "D - ERROR:500 File Not Found." + folder.file("cut.gif"),
            "D - WARNING: Unsupported image type skipped." + folder.file("notes.png"),
            "D - " + project.Output + " has been created with errors." }));
    EXPECT_EQ(host.failures.size(), 2u);
    const auto movie = readMovie(project.Output);
    // The first and the last image only: nothing of the cut GIF got in.
    std::vector<std::string> defined;
    for (const auto& line : tagSummary(movie))
        if (line.rfind("lossless", 0) == 0 || line.rfind("jpeg", 0) == 0)
            defined.push_back(line);
    ASSERT_EQ(defined.size(), 2u);
    EXPECT_EQ(defined[0].substr(0, 8), "lossless");
    EXPECT_EQ(defined[1].substr(0, 4), "jpeg");
    EXPECT_EQ(movie.header.frameCount, 2);
}

TEST_F(AllInOne, EveryImageFailingStillWritesTheBackgroundMovie)
{
    project.Images = { folder.file("gone.jpg") };
    EXPECT_EQ(run(),
        (std::vector<std::string> { "D - ERROR:500 File Not Found." + folder.file("gone.jpg"),
            "D - " + project.Output + " has been created with errors." }));
    EXPECT_EQ(
        tagSummary(readMovie(project.Output)), (std::vector<std::string> { "background", "end" }));
}

TEST_F(AllInOne, CancelBeforeTheSecondImageWritesNoMovie)
{
    project.Images = { smallGif("a.gif"), smallGif("b.gif"), smallGif("c.gif") };
    host.cancelAtStep = 0; // confirmed while the first image is converted
    EXPECT_EQ(run(), (std::vector<std::string> { "D - ERROR:300 Automation Cancelled By User." }));
    EXPECT_FALSE(std::filesystem::exists(project.Output));
    EXPECT_EQ(host.calls,
        (std::vector<std::string> {
            "status Automation on progress.", "start 3", "step 0", "status Idle.", "end" }));
}

TEST_F(AllInOne, MovieThatCannotBeWrittenGivesError400)
{
    std::filesystem::create_directory(folder.path() / "taken.swf");
    const struct {
        const char* name;
        std::string output;
    } cases[] = {
        { "missing folder", folder.file("no/such/folder/m.swf") },
        { "a folder in the way", folder.file("taken.swf") },
    };
    for (const auto& c : cases) {
        project.Images = { smallGif("a.gif") };
        project.Output = c.output;
        EXPECT_EQ(
            run(), (std::vector<std::string> { "D - ERROR:400 Could Not Write Movie." + c.output }))
            << c.name;
        EXPECT_FALSE(std::filesystem::is_regular_file(c.output)) << c.name;
    }
}

TEST_F(AllInOne, ReadOnlyOutputFolderGivesError400AndKeepsTheEarlierMovie)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "file permissions do not apply to root";
    const auto readOnly = folder.path() / "ro";
    std::filesystem::create_directory(readOnly);
    project.Output = (readOnly / "m.swf").string();
    fixtures::writeFixtureBytes(project.Output, { 'o', 'l', 'd' });
    std::filesystem::permissions(
        readOnly, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    project.Images = { smallGif("a.gif") };
    EXPECT_EQ(run(),
        (std::vector<std::string> { "D - ERROR:400 Could Not Write Movie." + project.Output }));
    std::filesystem::permissions(readOnly, std::filesystem::perms::owner_all);
    EXPECT_EQ(std::filesystem::file_size(project.Output), 3u);
}

TEST_F(AllInOne, BareOutputNameGoesToTheProgramFolderAndIsHandedBack)
{
    project.Images = { smallGif("a.gif") };
    project.Output = "movie";
    EXPECT_EQ(run(),
        (std::vector<std::string> {
            "D - " + folder.file("movie.swf") + " has been created successfully." }));
    EXPECT_TRUE(std::filesystem::exists(folder.file("movie.swf")));
    EXPECT_NE(std::find(host.calls.begin(), host.calls.end(), "output " + folder.file("movie.swf")),
        host.calls.end());
}

TEST_F(AllInOne, HiddenProgressShowsNothing)
{
    host.hide = true;
    project.Images = { smallGif("a.gif"), smallGif("b.gif") };
    EXPECT_EQ(run().size(), 1u);
    EXPECT_TRUE(host.calls.empty());
}

TEST_F(AllInOne, PicturesWiderThan3276PixelsKeepTheirSize)
{
    // 3300 pixels are 66000 twips: more than a 16-bit size or a single edge record holds.
    project.Images = { folder.writeGif("wide.gif", GifFixture::animation(3300, 2, 1, 2)) };
    project.Link = "http://example.org/";
    EXPECT_EQ(run().size(), 1u);
    const auto movie = readMovie(project.Output);
    EXPECT_EQ(movie.header.frameSize.xmax, 66000);
    EXPECT_EQ(movie.header.frameSize.ymax, 40);
    for (const uint16_t id : { 2, 3 }) { // the picture's shape and a link area
        const auto* shape = movie.character<swfread::SwfShape>(id);
        ASSERT_NE(shape, nullptr);
        int32_t x = 0, widest = 0;
        for (const auto& record : shape->records) {
            if (record.kind == swfread::SwfShapeRecord::Kind::StyleChange && record.hasMoveTo)
                x = record.moveX;
            if (record.kind == swfread::SwfShapeRecord::Kind::StraightEdge)
                x += record.dx;
            widest = std::max(widest, x);
        }
        EXPECT_EQ(widest, 66000) << "shape " << id;
        EXPECT_EQ(x, id == 2 ? 0 : 66000) << "shape " << id << " closes its outline";
    }
}

TEST_F(AllInOne, MoreThan65535FramesAreWrittenAsTheMostPlayersCount)
{
    const std::string gif = smallGif("a.gif");
    project.Images.assign(66, gif);
    project.ImageDelay = 1000;
    project.Link = "";
    EXPECT_EQ(run(),
        (std::vector<std::string> { "D - " + project.Output + " has been created successfully.",
            "D - WARNING: More than 65535 frames; players stop at 65535." }));
    EXPECT_EQ(readMovie(project.Output).header.frameCount, 65535);
}

TEST_F(AllInOne, UnknownModeRunsNothing)
{
    project.ActionType = 7;
    project.Images = { smallGif("a.gif") };
    EXPECT_TRUE(ConvertProject(project, host).Empty());
    EXPECT_FALSE(std::filesystem::exists(project.Output));
}
