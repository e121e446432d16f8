#include "imaging/GifInfoReader.h"

#include "GifFixture.h"
#include "GifFixtureWriter.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

namespace brindlecast::imaging
{
namespace
{

    using fixtures::GifFixture;

    GifFixture withGlobal(int colors)
    {
        return GifFixture::animation(10, 6, 1, colors);
    }

    GifFixture localBeatsGlobal()
    {
        GifFixture fixture = GifFixture::animation(10, 6, 2, 4);
        fixture.frames[1].localColors = 256;
        return fixture;
    }

    GifFixture transparentOnlyFrame()
    {
        GifFixture fixture = withGlobal(16);
        fixture.frames[0].transparentIndex = 3;
        return fixture;
    }

    GifFixture plainWith89aHeader()
    {
        GifFixture fixture = withGlobal(16);
        fixture.header89a = true;
        return fixture;
    }

    GifFixture controlWithoutTransparency()
    {
        GifFixture fixture = GifFixture::animation(10, 6, 3, 16);
        fixture.frames[2].delay = 5;
        return fixture;
    }

    GifFixture commentOnly()
    {
        GifFixture fixture = GifFixture::animation(10, 6, 2, 2);
        fixture.frames[1].comment = "hello";
        return fixture;
    }

    GifFixture noFrames()
    {
        return GifFixture::animation(10, 6, 0, 8);
    }

    GifFixture noTableAtAll()
    {
        GifFixture fixture = GifFixture::animation(10, 6, 1, 0);
        fixture.frames[0].localColors = 2;
        fixture.frames[0].shrinkLocalTableTo = 0;
        return fixture;
    }

    struct InfoCase {
        const char* name;
        GifFixture (*make)();
        int bitsPerPixel;
        int colorResolution;
        int version;
        bool transparent;
    };

    const InfoCase kInfoCases[] = {
        { "global_256", [] { return withGlobal(256); }, 8, 7, 1, false },
        { "global_16", [] { return withGlobal(16); }, 4, 3, 1, false },
        { "global_2", [] { return withGlobal(2); }, 1, 0, 1, false },
        { "local_256_beats_global_4", localBeatsGlobal, 8, 7, 1, false },
        { "transparent_only_frame", transparentOnlyFrame, 4, 3, 2, true },
        { "plain_with_89a_header", plainWith89aHeader, 4, 3, 1, false },
        { "control_without_transparency", controlWithoutTransparency, 4, 3, 2, false },
        { "comment_only", commentOnly, 1, 0, 2, false },
        { "no_frames", noFrames, 3, 2, 0, false },
        { "no_table_at_all", noTableAtAll, 0, -1, 1, false },
    };

    TEST(GifInfoReader, ValuesFollowTheTablesAndExtensions)
    {
        testsupport::TempFolder folder;
        for (const InfoCase& infoCase : kInfoCases) {
            SCOPED_TRACE(infoCase.name);
            const auto path = folder / (std::string(infoCase.name) + ".gif");
            const std::vector<std::uint8_t> bytes = fixtures::encodeGif(infoCase.make());
            fixtures::writeFixtureBytes(path, bytes);
            auto info = readGifInfo(path);
            ASSERT_TRUE(info) << info.error();
            EXPECT_EQ(info.value().fileSize, bytes.size());
            EXPECT_EQ(info.value().width, 10);
            EXPECT_EQ(info.value().height, 6);
            EXPECT_EQ(info.value().bitsPerPixel, infoCase.bitsPerPixel);
            EXPECT_EQ(info.value().colorResolution, infoCase.colorResolution);
            EXPECT_EQ(info.value().version, infoCase.version);
            EXPECT_EQ(info.value().transparent, infoCase.transparent);
            EXPECT_EQ(info.value().reductionBits, 8);
            EXPECT_EQ(info.value().compression, 0);
            EXPECT_EQ(info.value().colorReduction, 6);
            EXPECT_EQ(info.value().ditherMode, 0);
        }
    }

    TEST(GifInfoReader, WhiteBackgroundIs16777215)
    {
        testsupport::TempFolder folder;
        const std::vector<fixtures::FixtureRgb> table = { { 0, 0, 0 }, { 255, 255, 255 } };
        const std::vector<std::uint8_t> raster = { 0, 1, 1, 0 };
        fixtures::GifFixtureWriter writer(folder / "white.gif");
        ASSERT_EQ(writer.begin(2, 2, table, 1), "");
        fixtures::GifFixtureImage frame;
        frame.width = 2;
        frame.height = 2;
        frame.raster = raster;
        ASSERT_EQ(writer.addFrame(frame), "");
        ASSERT_EQ(writer.close(), "");

        auto info = readGifInfo(folder / "white.gif");
        ASSERT_TRUE(info) << info.error();
        EXPECT_EQ(info.value().backgroundColor, 16777215U);
    }

    TEST(GifInfoReader, UnreadableFilesAreErrors)
    {
        testsupport::TempFolder folder;
        std::vector<std::uint8_t> bytes = fixtures::encodeGif(withGlobal(4));
        bytes.resize(bytes.size() - 5);
        fixtures::writeFixtureBytes(folder / "cut.gif", bytes);
        auto cut = readGifInfo(folder / "cut.gif");
        ASSERT_FALSE(cut);
        EXPECT_NE(cut.error().find("cut.gif: "), std::string::npos) << cut.error();
        auto missing = readGifInfo(folder / "missing.gif");
        ASSERT_FALSE(missing);
        EXPECT_NE(missing.error().find("missing.gif: "), std::string::npos) << missing.error();
    }

} // namespace
} // namespace brindlecast::imaging
