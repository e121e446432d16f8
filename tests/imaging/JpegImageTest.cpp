#include "imaging/JpegImage.h"

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
    using Bytes = std::vector<std::uint8_t>;

    struct GoodCase {
        const char* name;
        JpegFixture fixture;
        int channels;
    };

    const GoodCase kGoodFiles[] = {
        { "baseline colour", { 16, 16, JpegColor::Rgb, { 90, false }, 0 }, 3 },
        { "progressive colour, odd size", { 33, 17, JpegColor::Rgb, { 90, true }, 1 }, 3 },
        { "baseline grey", { 100, 50, JpegColor::Grey, { 90, false }, 0 }, 1 },
        { "progressive grey", { 31, 9, JpegColor::Grey, { 75, true }, 2 }, 1 },
        { "single pixel", { 1, 1, JpegColor::Rgb, { 90, false }, 0 }, 3 },
        { "wide strip", { 1001, 3, JpegColor::Rgb, { 95, true }, 0 }, 3 },
        { "tall strip at low quality", { 2, 517, JpegColor::Rgb, { 50, false }, 3 }, 3 },
    };

    TEST(JpegImage, LoadsTheHeaderOfAFile)
    {
        testsupport::TempFolder folder;
        for (const GoodCase& file : kGoodFiles) {
            SCOPED_TRACE(file.name);
            const Bytes bytes = fixtures::makeJpeg(file.fixture);
            const auto path = folder.path() / "picture.jpg";
            ASSERT_EQ(fixtures::writeJpegFile(path, bytes), "");

            const auto image = JpegImage::load(path);
            ASSERT_TRUE(image) << image.error();
            const JpegHeader& header = image.value().header();
            EXPECT_EQ(header.width, file.fixture.width);
            EXPECT_EQ(header.height, file.fixture.height);
            EXPECT_EQ(header.channels, file.channels);
            EXPECT_EQ(header.grey(), file.channels == 1);
            EXPECT_EQ(header.progressive, file.fixture.encoding.progressive);
            EXPECT_EQ(header.warning, "");
            EXPECT_EQ(image.value().bytes(), bytes);
            EXPECT_EQ(image.value().name(), path.string());
        }
    }

    // The file with `bytes` of comment segments right after its start marker.
    Bytes withLeadingComments(Bytes jpeg, std::size_t bytes)
    {
        Bytes comments;
        for (std::size_t left = bytes; left > 0;) {
            const std::size_t length = std::min<std::size_t>(left, 60000);
            comments.insert(comments.end(),
                { 0xFF, 0xFE, std::uint8_t((length + 2) >> 8), std::uint8_t(length + 2) });
            comments.insert(comments.end(), length, 'c');
            left -= length;
        }
        jpeg.insert(jpeg.begin() + 2, comments.begin(), comments.end());
        return jpeg;
    }

    // Reading the header from the start of a file must give exactly what a whole load gives,
    // whether the markers end within that start or run past it.
    TEST(JpegImage, ReadsTheHeaderAsALoadDoes)
    {
        const Bytes large = fixtures::makeJpeg({ 1024, 768, JpegColor::Rgb, { 100, true }, 0 });
        ASSERT_GT(large.size(), 64u * 1024) << "the scans must run past the start";
        const Bytes small = fixtures::makeJpeg({ 40, 24, JpegColor::Grey, { 90, false }, 0 });
        const std::pair<const char*, Bytes> files[] = {
            { "small", small },
            { "scans past the start", large },
            { "markers past the start", withLeadingComments(small, 100000) },
            { "cut inside the tables", fixtures::truncatedJpeg(small, 100) },
            { "too wide, scans past the start", fixtures::jpegWithDeclaredSize(large, 16385, 8) },
            { "too wide, markers past the start",
                fixtures::jpegWithDeclaredSize(withLeadingComments(small, 70000), 16385, 8) },
            { "empty", {} },
        };
        testsupport::TempFolder folder;
        for (const auto& [name, bytes] : files) {
            SCOPED_TRACE(name);
            const auto path = folder.path() / "picture.jpg";
            ASSERT_EQ(fixtures::writeJpegFile(path, bytes), "");
            const auto loaded = JpegImage::load(path);
            const auto header = JpegImage::readHeader(path);
            ASSERT_EQ(bool(header), bool(loaded));
            if (!loaded) {
                EXPECT_EQ(header.error(), loaded.error());
                continue;
            }
            const JpegHeader& expected = loaded.value().header();
            EXPECT_EQ(header.value().width, expected.width);
            EXPECT_EQ(header.value().height, expected.height);
            EXPECT_EQ(header.value().channels, expected.channels);
            EXPECT_EQ(header.value().progressive, expected.progressive);
            EXPECT_EQ(header.value().warning, expected.warning);
        }
        const auto missing = JpegImage::readHeader(folder.path() / "gone.jpg");
        ASSERT_FALSE(missing);
        EXPECT_EQ(missing.error(), JpegImage::load(folder.path() / "gone.jpg").error());
    }

    TEST(JpegImage, DecodesToThePictureItWasMadeFrom)
    {
        for (const GoodCase& file : kGoodFiles) {
            SCOPED_TRACE(file.name);
            const auto pattern = fixtures::patternJpegPixels(
                file.fixture.width, file.fixture.height, file.fixture.color, file.fixture.seed);
            const auto image
                = JpegImage::loadBytes(fixtures::encodeJpeg(pattern, file.fixture.encoding));
            ASSERT_TRUE(image) << image.error();

            const auto decoded = image.value().decode();
            ASSERT_TRUE(decoded) << decoded.error();
            const RgbaImage& picture = decoded.value().image;
            ASSERT_EQ(picture.width, file.fixture.width);
            ASSERT_EQ(picture.height, file.fixture.height);
            ASSERT_EQ(picture.pixels.size(), std::size_t(picture.width) * picture.height * 4);
            EXPECT_EQ(decoded.value().warning, "");
            // A swapped channel, a flipped row order or a shifted block would be far off.
            EXPECT_LT(meanDifference(picture, patternPicture(pattern)), 12.0);
            for (std::size_t at = 0; at < picture.pixels.size(); at += 4) {
                ASSERT_EQ(picture.pixels[at + 3], 255);
                if (file.channels == 1) {
                    ASSERT_EQ(picture.pixels[at], picture.pixels[at + 1]);
                    ASSERT_EQ(picture.pixels[at], picture.pixels[at + 2]);
                }
            }
        }
    }

    struct RefusedCase {
        const char* name;
        Bytes bytes;
        std::string error;
    };

    std::vector<RefusedCase> refusedFiles()
    {
        const Bytes good = fixtures::makeJpeg({ 40, 24, JpegColor::Rgb, { 90, false }, 0 });
        return {
            { "empty", {}, "cannot read the JPEG header: Empty input file" },
            { "a GIF", { 'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0 },
                "cannot read the JPEG header: Not a JPEG file: starts with 0x47 0x49" },
            { "only the start marker", { 0xFF, 0xD8 }, "cannot read the JPEG header" },
            { "cut inside the tables", fixtures::truncatedJpeg(good, 100),
                "cannot read the JPEG header" },
            { "12-bit samples", fixtures::jpegWithPrecision(good, 12),
                "cannot read the JPEG header: Unsupported JPEG data precision 12" },
            { "CMYK", fixtures::makeJpeg({ 8, 8, JpegColor::Cmyk, {}, 0 }),
                "CMYK JPEG images are not supported" },
            { "one pixel too wide", fixtures::jpegWithDeclaredSize(good, 16385, 8),
                "16385 x 8 pixels is wider than 16384 pixels" },
            { "one pixel too tall", fixtures::jpegWithDeclaredSize(good, 8, 16385),
                "8 x 16385 pixels is taller than 16384 pixels" },
            { "one row past 64 million pixels", fixtures::jpegWithDeclaredSize(good, 16384, 4097),
                "16384 x 4097 pixels is more than 67108864 pixels" },
            { "largest size the header can hold",
                fixtures::jpegWithDeclaredSize(good, 65535, 65535),
                "cannot read the JPEG header: Maximum supported image dimension" },
            { "no height", fixtures::jpegWithDeclaredSize(good, 40, 0),
                "cannot read the JPEG header" },
        };
    }

    TEST(JpegImage, RefusesFilesItCannotTakeBeforeDecodingThem)
    {
        for (const RefusedCase& file : refusedFiles()) {
            SCOPED_TRACE(file.name);
            testing::internal::CaptureStderr();
            const auto image = JpegImage::loadBytes(file.bytes, "hostile.jpg");
            EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
            ASSERT_FALSE(image);
            EXPECT_EQ(image.error().rfind("hostile.jpg: ", 0), 0u) << image.error();
            EXPECT_NE(image.error().find(file.error), std::string::npos) << image.error();
        }
    }

    TEST(JpegImage, RefusesWhatIsNoReadableFile)
    {
        testsupport::TempFolder folder;
        const auto missing = JpegImage::load(folder.path() / "gone.jpg");
        ASSERT_FALSE(missing);
        EXPECT_EQ(
            missing.error().rfind((folder.path() / "gone.jpg").string() + ": cannot open", 0), 0u)
            << missing.error();

        const auto folderItself = JpegImage::load(folder.path());
        ASSERT_FALSE(folderItself);
        EXPECT_NE(folderItself.error().find("not a regular file"), std::string::npos)
            << folderItself.error();
    }

    struct DamagedCase {
        const char* name;
        Bytes bytes;
        bool samePixelsAsIntact;
    };

    // Halfway between the last start-of-scan marker and the end of the file.
    std::size_t middleOfLastScan(const Bytes& jpeg)
    {
        std::size_t start = 0;
        for (std::size_t at = 1; at < jpeg.size(); ++at)
            start = jpeg[at - 1] == 0xFF && jpeg[at] == 0xDA ? at : start;
        return (start + jpeg.size()) / 2;
    }

    // Damage after the header: the file loads, and decoding gives a whole picture with the
    // complaint as a warning, never on standard error.
    TEST(JpegImage, DecodesDamagedScansWithAWarning)
    {
        for (const bool progressive : { false, true }) {
            SCOPED_TRACE(progressive ? "progressive" : "baseline");
            const Bytes intact
                = fixtures::makeJpeg({ 64, 48, JpegColor::Rgb, { 90, progressive }, 0 });
            const auto intactPicture = JpegImage::loadBytes(intact).value().decode().value().image;
            const DamagedCase damaged[] = {
                { "no end marker", fixtures::jpegWithoutEndMarker(intact), true },
                { "cut in the last scan", fixtures::truncatedJpeg(intact, middleOfLastScan(intact)),
                    false },
            };
            for (const DamagedCase& file : damaged) {
                SCOPED_TRACE(file.name);
                testing::internal::CaptureStderr();
                const auto image = JpegImage::loadBytes(file.bytes);
                ASSERT_TRUE(image) << image.error();
                const auto decoded = image.value().decode();
                EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
                ASSERT_TRUE(decoded) << decoded.error();
                EXPECT_NE(
                    decoded.value().warning.find("Premature end of JPEG file"), std::string::npos)
                    << decoded.value().warning;
                EXPECT_EQ(decoded.value().image.width, 64);
                EXPECT_EQ(decoded.value().image.height, 48);
                EXPECT_EQ(
                    decoded.value().image.pixels == intactPicture.pixels, file.samePixelsAsIntact);
            }
        }
    }

    TEST(JpegImage, KeepsJunkBetweenHeaderSegmentsAsAWarning)
    {
        Bytes bytes = fixtures::makeJpeg({ 16, 16, JpegColor::Rgb, { 90, false }, 0 });
        const std::size_t afterFirstSegment = 4 + std::size_t { bytes[4] } * 256 + bytes[5];
        bytes.insert(bytes.begin() + static_cast<std::ptrdiff_t>(afterFirstSegment), { 1, 2, 3 });

        testing::internal::CaptureStderr();
        const auto image = JpegImage::loadBytes(bytes);
        EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
        ASSERT_TRUE(image) << image.error();
        EXPECT_EQ(image.value().header().warning,
            "Corrupt JPEG data: 3 extraneous bytes before marker 0xdb");
    }

    TEST(JpegImage, StopsAtAnAbsurdNumberOfScans)
    {
        const Bytes progressive = fixtures::makeJpeg({ 24, 24, JpegColor::Rgb, { 90, true }, 0 });
        const auto image = JpegImage::loadBytes(
            fixtures::jpegWithRepeatedLastScan(progressive, 600), "scans.jpg");
        ASSERT_TRUE(image) << image.error(); // the header is sound
        const auto decoded = image.value().decode();
        ASSERT_FALSE(decoded);
        EXPECT_EQ(decoded.error(),
            "scans.jpg: cannot decode the JPEG: the file holds more than 500 scans");

        // A few repeated scans are only odd, not refused.
        const auto fewMore
            = JpegImage::loadBytes(fixtures::jpegWithRepeatedLastScan(progressive, 5))
                  .value()
                  .decode();
        EXPECT_TRUE(fewMore) << fewMore.error();
    }

} // namespace
} // namespace brindlecast::imaging
