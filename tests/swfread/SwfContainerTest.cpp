#include "FileBytes.h"
#include "SwfTestBytes.h"
#include "TempFolder.h"
#include "swfread/SwfFile.h"
#include "swfread/SwfMovie.h"

#include <gtest/gtest.h>

namespace brindlecast::swfread::test
{
namespace
{

    // One show-frame at 2000 x 2000 twips, 12 frames per second.
    const char* const kOneFrameMovie
        = "46 57 53 06 19 00 00 00 80 00 00 3E 80 00 00 3E 80 00 0C 01 "
          "00 40 00 00 00";

    SwfHeader oneFrameHeader(const char* signature)
    {
        SwfHeader header;
        header.signature = signature;
        header.version = 6;
        header.fileLength = 25;
        header.frameSize = { 16, 0, 2000, 0, 2000 };
        header.frameRate = 0x0C00;
        header.frameCount = 1;
        header.headerLength = 21;
        return header;
    }

    TEST(SwfContainer, ReadsTheOneFrameMovieInBothForms)
    {
        const Bytes fws = hexBytes(kOneFrameMovie);
        const Bytes cws = concat(
            { hexBytes("43 57 53 06 19 00 00 00"), zlibCompress(std::span(fws).subspan(8)) });
        const struct {
            const char* name;
            Bytes bytes;
            const char* signature;
        } cases[] = { { "uncompressed", fws, "FWS" }, { "compressed", cws, "CWS" } };
        for (const auto& c : cases) {
            SCOPED_TRACE(c.name);
            const auto file = readSwfContainer(c.bytes, c.name);
            ASSERT_TRUE(file) << file.error();
            EXPECT_EQ(file.value().header, oneFrameHeader(c.signature));
            const std::vector<SwfTag> want { { kTagShowFrame, 0, false, 21, {} },
                { kTagEnd, 0, false, 23, {} } };
            EXPECT_EQ(file.value().tags, want);
        }
    }

    TEST(SwfContainer, ReadsFrameRectanglesWiderThan16Bits)
    {
        // 40000 x 30000 twips need 17-bit fields: a 10-byte rectangle and a 22-byte header.
        const Bytes movie = hexBytes("46 57 53 06 18 00 00 00 88 00 01 38 80 00 00 3A 98 00 00 18 "
                                     "00 00 00 00");
        const auto file = readSwfContainer(movie, "wide");
        ASSERT_TRUE(file) << file.error();
        EXPECT_EQ(file.value().header.frameSize, (SwfRect { 17, 0, 40000, 0, 30000 }));
        EXPECT_EQ(file.value().header.headerLength, 22u);
        EXPECT_EQ(file.value().header.frameRate, 0x1800);
        EXPECT_EQ(file.value().header.frameCount, 0);
    }

    TEST(SwfContainer, KeepsLongHeadersAndUnknownTagsRaw)
    {
        const auto file = readSwfContainer(
            fwsMovie(hexBytes("BF 00 02 00 00 00 AA BB FF 3F 01 00 00 00 CC")), "raw");
        ASSERT_TRUE(file) << file.error();
        // The test movie's header is 19 bytes long.
        const std::vector<SwfTag> want { { 2, 2, true, 19, { 0xAA, 0xBB } },
            { 255, 1, true, 27, { 0xCC } }, { kTagEnd, 0, false, 34, {} } };
        EXPECT_EQ(file.value().tags, want);
    }

    Bytes withLength(Bytes movie, uint32_t length)
    {
        for (int i = 0; i < 4; ++i)
            movie[4 + static_cast<size_t>(i)] = static_cast<uint8_t>(length >> (8 * i));
        return movie;
    }

    TEST(SwfContainer, RejectsBrokenFilesWithAClearError)
    {
        const Bytes fws = hexBytes(kOneFrameMovie);
        const Bytes body = Bytes(fws.begin() + 8, fws.end());
        const Bytes cwsHeader = hexBytes("43 57 53 06 19 00 00 00");
        const Bytes compressed = zlibCompress(body);
        const Bytes shortBody(body.begin(), body.end() - 1);
        const Bytes longBody = concat({ body, { 0 } });
        const struct {
            const char* name;
            Bytes bytes;
            const char* error;
        } cases[] = {
            { "empty file", {}, "bad: the file holds 0 bytes, too few for a movie header" },
            { "not a movie", hexBytes("47 49 46 38 39 61 01 00"),
                "bad: not an SWF movie: it starts with 47 49 46" },
            { "length above the file", withLength(fws, 26),
                "bad: the header declares 26 bytes but the file holds 25" },
            { "length below the file", withLength(fws, 24),
                "bad: the header declares 24 bytes but the file holds 25" },
            { "length below the header", withLength(fws, 7),
                "bad: the header declares 7 bytes, fewer than the header itself" },
            { "length over the limit", withLength(fws, 0x40000001),
                "bad: the header declares 1073741825 bytes, more than the limit of 1073741824" },
            { "truncated frame rectangle", hexBytes("46 57 53 06 0A 00 00 00 80 00"),
                "bad: the movie header is truncated" },
            { "no end tag", withLength(Bytes(fws.begin(), fws.end() - 2), 23),
                "bad: the file ends without an end tag" },
            { "tag length past the end",
                withLength(
                    concat({ Bytes(fws.begin(), fws.begin() + 21), hexBytes("45 00 00 00") }), 25),
                "bad: tag 0 (code 1) at offset 21: its length 5 runs past the end of the file (2 "
                "bytes left)" },
            { "long tag header cut",
                withLength(
                    concat({ Bytes(fws.begin(), fws.begin() + 21), hexBytes("7F 00 01 00") }), 25),
                "bad: tag 0 (code 1) at offset 21: the long tag header is truncated" },
            { "bytes after the end tag", withLength(concat({ fws, { 0 } }), 26),
                "bad: 1 bytes follow the end tag" },
            { "compressed data not zlib", concat({ cwsHeader, hexBytes("12 34 56 78") }),
                "bad: the compressed movie is not valid zlib data (incorrect header check)" },
            { "compressed data cut short",
                concat({ cwsHeader, Bytes(compressed.begin(), compressed.end() - 5) }),
                "bad: the compressed movie is truncated: its zlib stream ends early" },
            { "compressed data too long", concat({ cwsHeader, zlibCompress(longBody) }),
                "bad: the compressed movie inflates to more than the expected 17 bytes" },
            { "compressed data too short", concat({ cwsHeader, zlibCompress(shortBody) }),
                "bad: the compressed movie inflates to 16 bytes instead of the expected 17" },
            { "bytes after the zlib stream", concat({ cwsHeader, compressed, { 0 } }),
                "bad: 1 bytes follow the end of the compressed movie" },
            // A header that claims almost the limit must not make the reader allocate it.
            { "compressed length far above the data",
                concat({ hexBytes("43 57 53 06 00 00 00 3F"), compressed }),
                "bad: the compressed movie inflates to 17 bytes instead of the expected "
                "1056964600" },
        };
        for (const auto& c : cases) {
            SCOPED_TRACE(c.name);
            const auto file = readSwfBytes(c.bytes, "bad");
            ASSERT_FALSE(file);
            EXPECT_EQ(file.error(), c.error);
        }
    }

    TEST(SwfContainer, EveryTruncatedCopyFails)
    {
        const Bytes fws = hexBytes(kOneFrameMovie);
        const Bytes cws = cwsMovie(fws);
        for (const Bytes* movie : { &fws, &cws }) {
            for (size_t length = 0; length < movie->size(); ++length) {
                SCOPED_TRACE(length);
                const Bytes cut(movie->begin(), movie->begin() + static_cast<ptrdiff_t>(length));
                EXPECT_FALSE(readSwfBytes(cut, "cut"));
                // With the length field mended, the cut reaches the tag reader.
                if (length >= 8 && movie == &fws)
                    EXPECT_FALSE(
                        readSwfBytes(withLength(cut, static_cast<uint32_t>(length)), "cut"));
            }
        }
    }

    TEST(SwfContainer, ReadsFilesAndNamesTheMissingOne)
    {
        const testsupport::TempFolder folder;
        const auto path = folder / "one_frame.swf";
        testsupport::writeFile(path, hexBytes(kOneFrameMovie));

        const auto movie = readSwfFile(path);
        ASSERT_TRUE(movie) << movie.error();
        EXPECT_EQ(movie.value().timeline.frameCount(), 1u);

        const auto missing = readSwfFile(folder / "missing.swf");
        ASSERT_FALSE(missing);
        EXPECT_TRUE(
            missing.error().starts_with((folder / "missing.swf").string() + ": cannot open"))
            << missing.error();
    }

} // namespace
} // namespace brindlecast::swfread::test
