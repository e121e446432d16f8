#include "SwfTestBytes.h"
#include "swfread/SwfTagDecoders.h"

#include <gtest/gtest.h>

namespace brindlecast::swfread::test
{
namespace
{

    Bytes sampleJpeg()
    {
        Bytes jpeg(1000);
        for (size_t i = 0; i < jpeg.size(); ++i)
            jpeg[i] = static_cast<uint8_t>(i * 7);
        jpeg[0] = 0xFF;
        jpeg[1] = 0xD8;
        jpeg[998] = 0xFF;
        jpeg[999] = 0xD9;
        return jpeg;
    }

    TEST(SwfBitmapDecode, UnwrapsTheEmbeddedJpeg)
    {
        const Bytes jpeg = sampleJpeg();
        const struct {
            const char* name;
            Bytes tag;
            bool wrapped;
            Bytes jpeg;
        } cases[] = {
            { "wrapped as the writer does",
                concat(
                    { hexBytes("7F 05 F0 03 00 00 07 00 FF D9 FF D8"), jpeg, hexBytes("FF D9") }),
                true, jpeg },
            { "stored without the wrapper", concat({ hexBytes("7F 05 EA 03 00 00 07 00"), jpeg }),
                false, jpeg },
        };
        for (const auto& c : cases) {
            SCOPED_TRACE(c.name);
            const auto bitmap = decodeJpegBitmap(tagOf(toHex(c.tag)));
            ASSERT_TRUE(bitmap) << bitmap.error();
            EXPECT_EQ(bitmap.value().id, 7);
            EXPECT_EQ(bitmap.value().wrapped, c.wrapped);
            EXPECT_EQ(bitmap.value().jpeg, c.jpeg);
        }
    }

    TEST(SwfBitmapDecode, InflatesLosslessBitmaps)
    {
        const Bytes table = hexBytes("FF 00 00 FF 00 00 FF FF");
        const Bytes pixels = hexBytes("00 01 01 00");
        SwfLosslessBitmap mapped { kTagDefineBitsLossless2, 1, 3, 4, 1, 2, table, 4, pixels };
        SwfLosslessBitmap mappedNoAlpha { kTagDefineBitsLossless, 2, 3, 1, 2, 2,
            hexBytes("FF 00 00 00 00 FF"), 4, hexBytes("00 AA AA AA 01 BB BB BB") };
        SwfLosslessBitmap direct { kTagDefineBitsLossless2, 3, 5, 1, 2, 0, {}, 4,
            hexBytes("FF 10 20 30 80 40 50 60") };
        SwfLosslessBitmap pix15 { kTagDefineBitsLossless, 4, 4, 1, 1, 0, {}, 4,
            hexBytes("7C 00 00 00") };
        const struct {
            const char* name;
            Bytes header;
            const SwfLosslessBitmap& want;
        } cases[] = {
            { "4 x 1, two colours with alpha", hexBytes("01 00 03 04 00 01 00 01"), mapped },
            { "1 x 2, two colours without alpha, rows padded", hexBytes("02 00 03 01 00 02 00 01"),
                mappedNoAlpha },
            { "1 x 2, 32-bit pixels, no table size byte", hexBytes("03 00 05 01 00 02 00"),
                direct },
            { "1 x 1, 15-bit pixel, row padded", hexBytes("04 00 04 01 00 01 00"), pix15 },
        };
        for (const auto& c : cases) {
            SCOPED_TRACE(c.name);
            const Bytes data = concat({ c.want.colorTable, c.want.pixels });
            const auto bitmap = decodeLosslessBitmap(
                tagWithBody(c.want.code, concat({ c.header, zlibCompress(data) })));
            ASSERT_TRUE(bitmap) << bitmap.error();
            EXPECT_EQ(bitmap.value(), c.want);
        }
    }

    TEST(SwfBitmapDecode, RejectsBrokenBitmaps)
    {
        const Bytes header = hexBytes("01 00 03 04 00 01 00 01");
        const auto lossless = [](const SwfTag& tag) { return decodeLosslessBitmap(tag).error(); };
        const auto jpeg = [](const SwfTag& tag) { return decodeJpegBitmap(tag).error(); };
        const struct {
            const char* name;
            std::string error;
            const char* want;
        } cases[] = {
            { "pixel data one byte short",
                lossless(tagWithBody(36, concat({ header, zlibCompress(Bytes(11, 0x11)) }))),
                "the bitmap data inflates to 11 bytes instead of the expected 12" },
            { "pixel data one byte long",
                lossless(tagWithBody(36, concat({ header, zlibCompress(Bytes(13, 0x11)) }))),
                "the bitmap data inflates to more than the expected 12 bytes" },
            { "data not zlib",
                lossless(tagWithBody(36, concat({ header, hexBytes("00 00 00 00") }))),
                "the bitmap data is not valid zlib data" },
            { "no data", lossless(tagWithBody(36, header)), "the bitmap data is truncated" },
            { "unknown format", lossless(tagWithBody(36, hexBytes("01 00 07 04 00 01 00"))),
                "bitmap format 7 is not supported" },
            { "too many pixels", lossless(tagWithBody(36, hexBytes("01 00 05 FF FF FF FF 78 9C"))),
                "a bitmap of 65535 x 65535 pixels is over the limit" },
            { "header cut short", lossless(tagWithBody(36, hexBytes("01 00 03 04"))),
                "a record runs past the end of the tag" },
            { "JPEG tag without an id", jpeg(tagWithBody(21, hexBytes("01"))),
                "a record runs past the end of the tag" },
            { "wrong code", lossless(tagWithBody(21, header)),
                "a tag of code 21 is not a lossless bitmap" },
        };
        for (const auto& c : cases) {
            SCOPED_TRACE(c.name);
            EXPECT_TRUE(contains(c.error, c.want));
        }
    }

} // namespace
} // namespace brindlecast::swfread::test
