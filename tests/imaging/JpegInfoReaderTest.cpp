#include "imaging/JpegInfoReader.h"

#include "JpegDefects.h"
#include "JpegFixture.h"
#include "JpegTestSupport.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

namespace brindlecast::imaging
{
namespace
{

    using fixtures::JpegColor;
    using fixtures::JpegFixture;

    struct InfoCase {
        const char* name;
        JpegFixture fixture;
        bool grey;
    };

    const InfoCase kFiles[] = {
        { "baseline colour", { 100, 50, JpegColor::Rgb, { 90, false }, 0 }, false },
        { "progressive colour", { 17, 33, JpegColor::Rgb, { 90, true }, 0 }, false },
        { "grey", { 8, 8, JpegColor::Grey, { 60, false }, 0 }, true },
    };

    TEST(JpegInfoReader, GivesTheFileValuesAndTheFixedReaderSettings)
    {
        testsupport::TempFolder folder;
        for (const InfoCase& file : kFiles) {
            SCOPED_TRACE(file.name);
            const auto bytes = fixtures::makeJpeg(file.fixture);
            const auto path = folder.path() / "photo.jpg";
            ASSERT_EQ(fixtures::writeJpegFile(path, bytes), "");

            const auto info = readJpegInfo(path);
            ASSERT_TRUE(info) << info.error();
            EXPECT_EQ(info.value().fileSize, bytes.size());
            EXPECT_EQ(info.value().width, file.fixture.width);
            EXPECT_EQ(info.value().height, file.fixture.height);
            EXPECT_EQ(info.value().grey, file.grey);
            EXPECT_EQ(info.value().progressive, file.fixture.encoding.progressive);

            EXPECT_EQ(info.value().compressionQuality, 90);
            EXPECT_FALSE(info.value().greyOutput);
            EXPECT_FALSE(info.value().bestSpeed);
            EXPECT_EQ(info.value().pixelFormatBits, 24);
            EXPECT_FALSE(info.value().progressiveDisplay);
            EXPECT_EQ(info.value().scale, 0);
            EXPECT_TRUE(info.value().smoothing);
        }
    }

    TEST(JpegInfoReader, FailsLikeALoadOnFilesAConversionRefuses)
    {
        testsupport::TempFolder folder;
        const auto path = folder.path() / "huge.jpg";
        const auto good = fixtures::makeJpeg({ 8, 8, JpegColor::Rgb, {}, 0 });
        ASSERT_EQ(
            fixtures::writeJpegFile(path, fixtures::jpegWithDeclaredSize(good, 20000, 8)), "");

        const auto info = readJpegInfo(path);
        ASSERT_FALSE(info);
        EXPECT_EQ(info.error(), path.string() + ": 20000 x 8 pixels is wider than 16384 pixels");
    }

} // namespace
} // namespace brindlecast::imaging
