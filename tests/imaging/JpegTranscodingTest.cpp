#include "imaging/JpegTranscoding.h"

#include "JpegDefects.h"
#include "JpegFixture.h"
#include "JpegTestSupport.h"

#include <gtest/gtest.h>

namespace brindlecast::imaging
{
namespace
{

    using fixtures::JpegColor;
    using fixtures::JpegFixture;

    struct Source {
        const char* name;
        JpegFixture fixture;
    };

    const Source kSources[] = {
        { "progressive colour, odd size", { 37, 23, JpegColor::Rgb, { 90, true }, 0 } },
        { "progressive colour, larger", { 300, 200, JpegColor::Rgb, { 85, true }, 1 } },
        // Its baseline file outgrows the first output buffer several times.
        { "progressive colour, large", { 1200, 900, JpegColor::Rgb, { 98, true }, 4 } },
        { "progressive grey", { 64, 48, JpegColor::Grey, { 90, true }, 2 } },
        { "progressive single pixel", { 1, 1, JpegColor::Rgb, { 90, true }, 0 } },
        { "baseline colour", { 20, 12, JpegColor::Rgb, { 70, false }, 3 } },
    };

    JpegImage loaded(const std::vector<std::uint8_t>& bytes)
    {
        auto image = JpegImage::loadBytes(bytes);
        EXPECT_TRUE(image) << image.error();
        return std::move(image).value();
    }

    void expectBaselineOfSameFrame(const JpegImage& converted, const JpegImage& original)
    {
        EXPECT_FALSE(converted.header().progressive);
        EXPECT_EQ(converted.width(), original.width());
        EXPECT_EQ(converted.height(), original.height());
        EXPECT_EQ(converted.header().channels, original.header().channels);
    }

    TEST(JpegTranscoding, BaselineCopyKeepsEveryPixelInOneScan)
    {
        for (const Source& source : kSources) {
            SCOPED_TRACE(source.name);
            const JpegImage original = loaded(fixtures::makeJpeg(source.fixture));

            const auto baseline = convertToBaseline(original);
            ASSERT_TRUE(baseline) << baseline.error();
            EXPECT_TRUE(baseline.value().lossless);
            EXPECT_EQ(baseline.value().warning, "");
            EXPECT_EQ(countJpegScans(baseline.value().bytes), 1);

            const JpegImage converted = loaded(baseline.value().bytes);
            expectBaselineOfSameFrame(converted, original);
            EXPECT_EQ(
                converted.decode().value().image.pixels, original.decode().value().image.pixels);
        }
    }

    TEST(JpegTranscoding, FallbackEncodesTheDecodedPicture)
    {
        for (const Source& source : kSources) {
            SCOPED_TRACE(source.name);
            const JpegImage original = loaded(fixtures::makeJpeg(source.fixture));

            const auto baseline = reencodeAsBaseline(original, kBaselineFallbackQuality);
            ASSERT_TRUE(baseline) << baseline.error();
            EXPECT_FALSE(baseline.value().lossless);
            EXPECT_EQ(countJpegScans(baseline.value().bytes), 1);

            const JpegImage converted = loaded(baseline.value().bytes);
            expectBaselineOfSameFrame(converted, original);
            // One more generation of loss at quality 90 (the checkerboard's chroma edges suffer
            // most), nothing like a wrong picture.
            EXPECT_LT(
                meanDifference(converted.decode().value().image, original.decode().value().image),
                8.0);
        }
    }

    TEST(JpegTranscoding, DamagedSourcesConvertWithTheirWarning)
    {
        const auto intact = fixtures::makeJpeg({ 48, 32, JpegColor::Rgb, { 90, true }, 0 });
        const JpegImage original = loaded(fixtures::jpegWithoutEndMarker(intact));

        const auto baseline = convertToBaseline(original);
        ASSERT_TRUE(baseline) << baseline.error();
        EXPECT_TRUE(baseline.value().lossless);
        EXPECT_NE(baseline.value().warning.find("Premature end of JPEG file"), std::string::npos);
        EXPECT_EQ(loaded(baseline.value().bytes).decode().value().image.pixels,
            loaded(intact).decode().value().image.pixels);
    }

    TEST(JpegTranscoding, ReportsBothWaysWhenNeitherWorks)
    {
        const auto progressive = fixtures::makeJpeg({ 24, 24, JpegColor::Rgb, { 90, true }, 0 });
        const auto image
            = JpegImage::loadBytes(fixtures::jpegWithRepeatedLastScan(progressive, 600), "s.jpg");
        ASSERT_TRUE(image) << image.error();

        const auto baseline = convertToBaseline(image.value());
        ASSERT_FALSE(baseline);
        EXPECT_EQ(baseline.error(),
            "s.jpg: cannot read the JPEG coefficients: the file holds more than 500 scans; "
            "s.jpg: cannot decode the JPEG: the file holds more than 500 scans");
    }

} // namespace
} // namespace brindlecast::imaging
