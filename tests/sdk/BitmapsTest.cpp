#include "ByteVectors.h"
#include "sdk/FDTDefineBitsJPEG2.h"
#include "sdk/FDTDefineBitsLossless.h"
#include "sdk/FSWFStream.h"

#include <memory>

using namespace sdktest;

namespace
{

Bytes Pattern(std::size_t n, U8 seed)
{
    Bytes bytes(n);
    for (std::size_t i = 0; i < n; ++i)
        bytes[i] = static_cast<U8>(seed + i * 7);
    return bytes;
}

struct Tag {
    U16 code;
    Bytes body;
};

// Splits one written tag into its code and body, checking that the length field matches.
Tag SplitTag(const Bytes& bytes)
{
    Tag tag {};
    EXPECT_GE(bytes.size(), 2u);
    if (bytes.size() < 2)
        return tag;
    const U32 word = bytes[0] | (bytes[1] << 8);
    tag.code = static_cast<U16>(word >> 6);
    U32 length = word & 0x3F;
    std::size_t start = 2;
    if (length == 0x3F) {
        length = bytes[2] | (bytes[3] << 8) | (bytes[4] << 16) | (static_cast<U32>(bytes[5]) << 24);
        start = 6;
    }
    EXPECT_EQ(bytes.size(), start + length) << "length field does not match the body";
    tag.body.assign(bytes.begin() + static_cast<long>(start), bytes.end());
    return tag;
}

Tag WriteTag(FObj& tag)
{
    FSWFStream stream;
    tag.Write(stream);
    return SplitTag(Contents(stream));
}

Bytes InflateFrom(const Bytes& body, std::size_t offset)
{
    return Inflate(body.data() + offset, body.size() - offset);
}

} // namespace

TEST(Bitmaps, JpegIsEmbeddedBehindAnEmptyTable)
{
    ResetCharacterIds();
    const Bytes jpeg = Pattern(1000, 3);
    FDTDefineBitsJPEG2 tag(jpeg.data(), static_cast<U32>(jpeg.size()));
    FSWFStream stream;
    tag.Write(stream);
    EXPECT_TRUE(sameBytes(Contents(stream),
        concat({ hexBytes("7F 05 F0 03 00 00 01 00 FF D9 FF D8"), jpeg, hexBytes("FF D9") })));
}

TEST(Bitmaps, JpegBytesAreReferencedUntilTheMovieIsWritten)
{
    Bytes jpeg = Pattern(100, 0);
    FDTDefineBitsJPEG2 tag(jpeg.data(), static_cast<U32>(jpeg.size()));
    jpeg[50] = 0xEE;
    const Tag written = WriteTag(tag);
    ASSERT_EQ(written.body.size(), 108u);
    EXPECT_EQ(written.body[6 + 50], 0xEE);
}

TEST(Bitmaps, LosslessLayouts)
{
    struct Case {
        std::string name;
        U8 format;
        U16 width;
        U16 height;
        U32 tableSize;
        U8 withAlpha;
        U16 wantCode;
        Bytes wantHead; // after the id
        std::size_t tableBytes;
        std::size_t pixelBytes;
    };
    const Case cases[] = {
        { "4 x 1 pixels, 2 entries with alpha", 3, 4, 1, 2, 1, 36, hexBytes("03 04 00 01 00 01"), 8,
            4 },
        { "full 256-entry table with alpha", 3, 8, 2, 256, 1, 36, hexBytes("03 08 00 02 00 FF"),
            1024, 16 },
        { "without alpha, 3-byte entries", 3, 4, 2, 16, 0, 20, hexBytes("03 04 00 02 00 0F"), 48,
            8 },
        { "32-bit pixels carry no table size", 5, 3, 2, 0, 1, 36, hexBytes("05 03 00 02 00"), 0,
            24 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ResetCharacterIds();
        auto table = std::make_unique<Bytes>(Pattern(c.tableBytes, 1));
        auto pixels = std::make_unique<Bytes>(Pattern(c.pixelBytes, 2));
        const Bytes wantData = concat({ *table, *pixels });
        FDTDefineBitsLosslessBaseZell tag(c.format, c.width, c.height, c.tableSize,
            table->empty() ? nullptr : table->data(), pixels->data(), c.withAlpha);
        // The tag owns a compressed copy: the caller's buffers may go right away.
        table.reset();
        pixels.reset();

        const Tag written = WriteTag(tag);
        EXPECT_EQ(written.code, c.wantCode);
        const Bytes head = concat({ hexBytes("01 00"), c.wantHead });
        ASSERT_GT(written.body.size(), head.size());
        EXPECT_TRUE(sameBytes(
            Bytes(written.body.begin(), written.body.begin() + static_cast<long>(head.size())),
            head));
        EXPECT_TRUE(sameBytes(InflateFrom(written.body, head.size()), wantData));
    }
}

TEST(Bitmaps, Lossless2IsTheAlphaVariant)
{
    ResetCharacterIds();
    const Bytes table = Pattern(8, 9);
    const Bytes pixels = Pattern(4, 5);
    FDTDefineBitsLossless2Zell tag(3, 4, 1, 2, table.data(), pixels.data());
    EXPECT_EQ(tag.CharacterId(), 1);
    const Tag written = WriteTag(tag);
    EXPECT_EQ(written.code, 36);
    EXPECT_TRUE(sameBytes(Bytes(written.body.begin(), written.body.begin() + 8),
        hexBytes("01 00 03 04 00 01 00 01")));
    EXPECT_TRUE(sameBytes(InflateFrom(written.body, 8), concat({ table, pixels })));
}
