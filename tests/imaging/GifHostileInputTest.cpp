#include "GifFixture.h"
#include "GifFixtureWriter.h"
#include "imaging/GifAnimationComposer.h"
#include "imaging/GifFrameReader.h"
#include "imaging/GifImage.h"
#include "imaging/GifRendering.h"

#include <gtest/gtest.h>

namespace brindlecast::imaging
{
namespace
{

    using fixtures::GifFixture;
    using fixtures::GifFixtureFrame;

    GifFixture oneFrameClaiming(int claimedWidth, int claimedHeight)
    {
        GifFixture fixture = GifFixture::animation(8, 8, 1, 4);
        fixture.frames[0].claimedWidth = claimedWidth;
        fixture.frames[0].claimedHeight = claimedHeight;
        return fixture;
    }

    struct RefusedCase {
        const char* name;
        std::vector<std::uint8_t> bytes;
        const char* message; // part of the error text
    };

    TEST(GifHostileInput, DamagedFilesAreRefusedWithAReason)
    {
        const RefusedCase cases[] = {
            { "empty_file", {}, "bad.gif: cannot read the GIF header" },
            { "not_a_gif", { 'J', 'F', 'I', 'F', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0 },
                "bad.gif: cannot read the GIF header" },
            { "descriptor_wider_than_limit", fixtures::encodeGif(oneFrameClaiming(16385, 1)),
                "frame 1 is refused: 16385 x 1 pixels is wider than 16384 pixels" },
            { "descriptor_taller_than_limit", fixtures::encodeGif(oneFrameClaiming(1, 65535)),
                "taller than 16384 pixels" },
            { "descriptor_over_pixel_limit", fixtures::encodeGif(oneFrameClaiming(16384, 4097)),
                "is more than 67108864 pixels" },
            { "descriptor_larger_than_data", fixtures::encodeGif(oneFrameClaiming(64, 64)),
                "cannot decode frame 1" },
        };
        for (const RefusedCase& refused : cases) {
            SCOPED_TRACE(refused.name);
            auto loaded = GifImage::loadBytes(refused.bytes, "bad.gif");
            ASSERT_FALSE(loaded);
            EXPECT_NE(loaded.error().find(refused.message), std::string::npos) << loaded.error();
            EXPECT_EQ(loaded.error().rfind("bad.gif: ", 0), 0U) << loaded.error();
        }
    }

    // Empty comment records (3 bytes each) placed after the header and global table.
    std::vector<std::uint8_t> withEmptyComments(int count)
    {
        std::vector<std::uint8_t> bytes = fixtures::encodeGif(GifFixture::animation(2, 2, 1, 2));
        const std::vector<std::uint8_t> comment = { 0x21, 0xFE, 0x00 };
        std::vector<std::uint8_t> comments;
        for (int i = 0; i < count; ++i)
            comments.insert(comments.end(), comment.begin(), comment.end());
        constexpr long kHeaderAndTwoColours = 13 + 2 * 3;
        bytes.insert(bytes.begin() + kHeaderAndTwoColours, comments.begin(), comments.end());
        return bytes;
    }

    TEST(GifHostileInput, ExtensionBlocksBeforeAFrameAreCapped)
    {
        auto most = GifImage::loadBytes(withEmptyComments(65536));
        ASSERT_TRUE(most) << most.error();
        EXPECT_EQ(most.value().frames[0].extensions.size(), 65536U);

        auto tooMany = GifImage::loadBytes(withEmptyComments(65537), "blocks.gif");
        ASSERT_FALSE(tooMany);
        EXPECT_EQ(tooMany.error(), "blocks.gif: more than 65536 extension blocks before frame 1");
    }

    TEST(GifHostileInput, CountlessFramesAreReadOneByOneButNotHeldWhole)
    {
        std::vector<std::uint8_t> bytes;
        fixtures::GifFixtureWriter writer(bytes);
        const std::vector<fixtures::FixtureRgb> table = { { 0, 0, 0 }, { 9, 9, 9 } };
        ASSERT_EQ(writer.begin(1, 1, table), "");
        const fixtures::GifFixtureImage empty;
        for (int i = 0; i <= kMaxHeldGifFrames; ++i)
            ASSERT_EQ(writer.addFrame(empty), "");
        ASSERT_EQ(writer.close(), "");

        auto whole = GifImage::loadBytes(bytes, "countless.gif");
        ASSERT_FALSE(whole);
        EXPECT_EQ(whole.error(), "countless.gif: more than 65536 frames");

        auto reader = GifFrameReader::openBytes(bytes);
        ASSERT_TRUE(reader) << reader.error();
        while (true) {
            auto frame = reader.value().next();
            ASSERT_TRUE(frame) << frame.error();
            if (!frame.value())
                break;
        }
        EXPECT_EQ(reader.value().framesRead(), kMaxHeldGifFrames + 1);
    }

    TEST(GifHostileInput, MissingFileNamesThePath)
    {
        auto loaded = GifImage::load("/nonexistent/folder/walk.gif");
        ASSERT_FALSE(loaded);
        EXPECT_EQ(loaded.error(),
            "/nonexistent/folder/walk.gif: cannot open the file: No such file or directory");
    }

    // Cutting a file anywhere never hands over a partial frame: either the cut falls between
    // records and the complete frames before it load, or the load fails.
    TEST(GifHostileInput, EveryTruncationFailsCleanlyOrKeepsCompleteFrames)
    {
        GifFixture fixture = GifFixture::animation(12, 9, 3, 16);
        fixture.frames[1] = GifFixtureFrame::at(3, 2, 5, 6);
        fixture.frames[1].localColors = 4;
        fixture.frames[1].transparentIndex = 1;
        fixture.frames[1].interlaced = true;
        fixture.frames[2].comment = "last";
        const std::vector<std::uint8_t> whole = fixtures::encodeGif(fixture);
        auto complete = GifImage::loadBytes(whole);
        ASSERT_TRUE(complete) << complete.error();

        int loadedPrefixes = 0;
        for (std::size_t size = 0; size < whole.size(); ++size) {
            const std::vector<std::uint8_t> cut(
                whole.begin(), whole.begin() + static_cast<long>(size));
            auto loaded = GifImage::loadBytes(cut, "cut.gif");
            if (!loaded) {
                EXPECT_EQ(loaded.error().rfind("cut.gif: ", 0), 0U) << size;
                continue;
            }
            ++loadedPrefixes;
            const std::vector<GifFrame>& frames = loaded.value().frames;
            ASSERT_LE(frames.size(), complete.value().frames.size()) << size;
            for (std::size_t i = 0; i < frames.size(); ++i)
                EXPECT_EQ(frames[i].raster, complete.value().frames[i].raster) << size;
        }
        // The cuts after the header, after each of the three frames (the last one drops only
        // the trailer) and after the extension blocks of frames 2 and 3.
        EXPECT_EQ(loadedPrefixes, 6);
    }

    // Damage that still leaves a readable file has a defined result.
    TEST(GifHostileInput, OddButReadableFramesLoadAsStored)
    {
        GifFixture fixture;
        fixture.width = 4;
        fixture.height = 4;
        fixture.globalColors = 4;
        fixture.frames = { GifFixtureFrame::at(1, 1, 0, 3), GifFixtureFrame::at(2, 2, 10, 10),
            GifFixtureFrame::at(0, 0, 8, 8) };
        fixture.frames[2].localColors = 256;
        fixture.frames[2].shrinkLocalTableTo = 4;
        auto loaded = GifImage::loadBytes(fixtures::encodeGif(fixture));
        ASSERT_TRUE(loaded) << loaded.error();
        const std::vector<GifFrame>& frames = loaded.value().frames;
        ASSERT_EQ(frames.size(), 3U);

        // A zero-width frame has no picture.
        EXPECT_EQ(frames[0].height, 3);
        EXPECT_FALSE(frames[0].yieldsBitmap());
        EXPECT_TRUE(frames[0].raster.empty());
        EXPECT_EQ(
            renderGifFrame(frames[0], loaded.value().screen.globalColorMap).pixels.size(), 0U);

        // A frame larger than the screen keeps its size and raster.
        EXPECT_EQ(frames[1].width, 10);
        EXPECT_EQ(frames[1].raster, fixtures::gifFixtureRaster(fixture, 1));

        // Indices past the 4-entry table are kept as stored and render transparent.
        EXPECT_EQ(frames[2].localColorMap.size(), 4U);
        EXPECT_EQ(frames[2].raster, fixtures::gifFixtureRaster(fixture, 2));
        const RgbaImage picture = renderGifFrame(frames[2], loaded.value().screen.globalColorMap);
        for (std::size_t i = 0; i < frames[2].raster.size(); ++i)
            EXPECT_EQ(picture.pixels[i * 4 + 3], frames[2].raster[i] < 4 ? 255 : 0) << i;
    }

    TEST(GifHostileInput, DescriptorSmallerThanItsDataTakesTheFirstPixels)
    {
        const GifFixture fixture = oneFrameClaiming(2, 2);
        auto loaded = GifImage::loadBytes(fixtures::encodeGif(fixture));
        ASSERT_TRUE(loaded) << loaded.error();
        const std::vector<std::uint8_t> stored = fixtures::gifFixtureRaster(fixture, 0);
        EXPECT_EQ(loaded.value().frames[0].raster,
            std::vector<std::uint8_t>(stored.begin(), stored.begin() + 4));
    }

    TEST(GifHostileInput, HugeScreenLoadsButIsNotComposed)
    {
        GifFixture fixture = GifFixture::animation(65535, 65535, 0, 2);
        fixture.frames = { GifFixtureFrame::at(0, 0, 2, 2) };
        auto loaded = GifImage::loadBytes(fixtures::encodeGif(fixture));
        ASSERT_TRUE(loaded) << loaded.error();
        EXPECT_EQ(loaded.value().screen.width, 65535);
        auto composer = GifAnimationComposer::create(loaded.value().screen);
        ASSERT_FALSE(composer);
        EXPECT_EQ(composer.error(),
            "the GIF's screen is refused: 65535 x 65535 pixels is wider than 16384 pixels");
    }

} // namespace
} // namespace brindlecast::imaging
