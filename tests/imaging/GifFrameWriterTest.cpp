#include "imaging/GifFrameWriter.h"

#include "FileBytes.h"
#include "GifFixture.h"
#include "TempFolder.h"
#include "imaging/GifImage.h"

#include <gtest/gtest.h>

namespace brindlecast::imaging
{
namespace
{

    using fixtures::GifFixture;
    using fixtures::GifFixtureFrame;
    using testsupport::readFileBytes;
    using testsupport::TempFolder;

    // An animation with a bit of everything a frame can carry.
    GifFixture mixedAnimation()
    {
        GifFixture fixture = GifFixture::animation(24, 16, 5, 16);
        fixture.backgroundIndex = 7;
        fixture.frames[0].delay = 10;
        fixture.frames[1].left = 3;
        fixture.frames[1].top = 4;
        fixture.frames[1].width = 9;
        fixture.frames[1].height = 5;
        fixture.frames[1].localColors = 64;
        fixture.frames[1].transparentIndex = 63;
        fixture.frames[1].disposal = 2;
        fixture.frames[2].comment = "made by the fixture";
        fixture.frames[3].interlaced = true;
        fixture.frames[3].localColors = 2;
        fixture.frames[4].width = 0; // no picture
        return fixture;
    }

    TEST(GifFrameWriter, EverySplitFrameLoadsBackUnchanged)
    {
        TempFolder folder;
        const GifFixture fixture = mixedAnimation();
        fixtures::writeGif(folder / "walk.gif", fixture);
        auto source = GifImage::load(folder / "walk.gif");
        ASSERT_TRUE(source) << source.error();

        for (int k = 0; k < static_cast<int>(fixture.frames.size()); ++k) {
            SCOPED_TRACE("frame " + std::to_string(k));
            const auto target = folder / ("walk_F" + std::to_string(k + 1) + ".gif");
            auto saved = saveGifFrame(folder / "walk.gif", k, target);
            ASSERT_TRUE(saved) << saved.error();
            EXPECT_TRUE(saved.value());

            auto split = GifImage::load(target);
            ASSERT_TRUE(split) << split.error();
            const GifScreen& screen = split.value().screen;
            EXPECT_EQ(screen.width, 24);
            EXPECT_EQ(screen.height, 16);
            EXPECT_EQ(screen.backgroundIndex, 7);
            EXPECT_EQ(screen.globalColorMap, source.value().screen.globalColorMap);
            ASSERT_EQ(split.value().frames.size(), 1U);
            const GifFrame& want = source.value().frames[static_cast<std::size_t>(k)];
            const GifFrame& got = split.value().frames[0];
            EXPECT_EQ(got.left, want.left);
            EXPECT_EQ(got.top, want.top);
            EXPECT_EQ(got.width, want.width);
            EXPECT_EQ(got.height, want.height);
            EXPECT_EQ(got.localColorMap, want.localColorMap);
            EXPECT_EQ(got.graphicControl, want.graphicControl);
            EXPECT_EQ(got.extensions, want.extensions);
            EXPECT_EQ(got.raster, want.raster);
            EXPECT_EQ(got.yieldsBitmap(), want.yieldsBitmap());
            // Readers that look at the signature see 89a exactly when extensions are kept.
            const std::vector<std::uint8_t> bytes = readFileBytes(target);
            EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 6),
                want.extensions.empty() ? "GIF87a" : "GIF89a");
        }
    }

    // giflib would cut such indices down to the table's width; the writer pads the table with
    // black instead, so that the raster survives exactly.
    TEST(GifFrameWriter, IndicesPastTheTableSurviveAndSeeBlack)
    {
        GifFixture shortTable = GifFixture::animation(16, 2, 1, 0);
        shortTable.frames[0].localColors = 256;
        shortTable.frames[0].shrinkLocalTableTo = 4;
        GifFixture noTable = shortTable;
        noTable.frames[0].shrinkLocalTableTo = 0;

        for (const auto& [name, fixture] :
            { std::pair { "short_local_table", shortTable }, std::pair { "no_table", noTable } }) {
            SCOPED_TRACE(name);
            TempFolder folder;
            fixtures::writeGif(folder / "odd.gif", fixture);
            auto source = GifImage::load(folder / "odd.gif");
            ASSERT_TRUE(source) << source.error();
            auto saved = saveGifFrame(folder / "odd.gif", 0, folder / "odd_F1.gif");
            ASSERT_TRUE(saved && saved.value()) << (saved ? "" : saved.error());
            auto split = GifImage::load(folder / "odd_F1.gif");
            ASSERT_TRUE(split) << split.error();

            const GifFrame& want = source.value().frames[0];
            const GifFrame& got = split.value().frames[0];
            EXPECT_EQ(got.raster, want.raster);
            const std::uint8_t largest = *std::max_element(want.raster.begin(), want.raster.end());
            ASSERT_GT(got.localColorMap.size(), largest);
            for (std::size_t i = 0; i < got.localColorMap.size(); ++i)
                EXPECT_EQ(got.localColorMap[i],
                    i < want.localColorMap.size() ? want.localColorMap[i] : GifColor {})
                    << i;
        }
    }

    TEST(GifFrameWriter, IndexPastTheLastFrameWritesNothing)
    {
        TempFolder folder;
        fixtures::writeGif(folder / "still.gif", GifFixture::animation(4, 4, 1, 2));
        fixtures::writeFixtureBytes(folder / "earlier.gif", { 'o', 'l', 'd' });
        for (const int index : { 1, 7, -1 }) {
            SCOPED_TRACE(index);
            auto saved = saveGifFrame(folder / "still.gif", index, folder / "earlier.gif");
            ASSERT_TRUE(saved) << saved.error();
            EXPECT_FALSE(saved.value());
        }
        EXPECT_EQ(
            readFileBytes(folder / "earlier.gif"), (std::vector<std::uint8_t> { 'o', 'l', 'd' }));
        EXPECT_EQ(folder.entries(), (std::set<std::string> { "earlier.gif", "still.gif" }));
    }

    struct FailureCase {
        const char* name;
        const char* source; // inside the test folder
        const char* target;
        const char* message;
    };

    // A failed save reports which file and why, keeps an earlier file of the target's name
    // and leaves no temporary file behind.
    TEST(GifFrameWriter, FailuresAreReportedAndLeaveTheTargetAlone)
    {
        const FailureCase cases[] = {
            { "source missing", "gone.gif", "earlier.gif", "gone.gif: cannot open the file" },
            { "source damaged", "damaged.gif", "earlier.gif",
                "damaged.gif: cannot decode frame 2" },
            { "target folder missing", "walk.gif", "no/such/folder/walk_F1.gif",
                "walk_F1.gif: cannot create a file in its folder: No such file or directory" },
            { "target is a folder", "walk.gif", "folder", "folder: it is a folder" },
        };
        for (const FailureCase& failure : cases) {
            SCOPED_TRACE(failure.name);
            TempFolder folder;
            const GifFixture fixture = GifFixture::animation(6, 6, 2, 4);
            fixtures::writeGif(folder / "walk.gif", fixture);
            std::vector<std::uint8_t> damaged = fixtures::encodeGif(fixture);
            damaged.resize(damaged.size() - 6);
            fixtures::writeFixtureBytes(folder / "damaged.gif", damaged);
            fixtures::writeFixtureBytes(folder / "earlier.gif", { 'o', 'l', 'd' });
            std::filesystem::create_directory(folder / "folder");
            const auto before = folder.entries();

            auto saved = saveGifFrame(folder / failure.source, 0, folder / failure.target);
            ASSERT_FALSE(saved);
            EXPECT_NE(saved.error().find(failure.message), std::string::npos) << saved.error();
            EXPECT_EQ(readFileBytes(folder / "earlier.gif"),
                (std::vector<std::uint8_t> { 'o', 'l', 'd' }));
            EXPECT_EQ(folder.entries(), before);
        }
    }

    TEST(GifFrameWriter, ReplacesAnEarlierFile)
    {
        TempFolder folder;
        fixtures::writeGif(folder / "walk.gif", GifFixture::animation(6, 6, 2, 4));
        fixtures::writeFixtureBytes(folder / "walk_F2.gif", { 'o', 'l', 'd' });
        auto saved = saveGifFrame(folder / "walk.gif", 1, folder / "walk_F2.gif");
        ASSERT_TRUE(saved && saved.value());
        auto split = GifImage::load(folder / "walk_F2.gif");
        ASSERT_TRUE(split) << split.error();
        EXPECT_EQ(split.value().frames.size(), 1U);
    }

} // namespace
} // namespace brindlecast::imaging
