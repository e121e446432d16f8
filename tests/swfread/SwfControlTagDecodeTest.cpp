#include "SwfTestBytes.h"
#include "swfread/SwfTagDecoders.h"

#include <gtest/gtest.h>

namespace brindlecast::swfread::test
{
namespace
{

    TEST(SwfControlTagDecode, DecodesPlacements)
    {
        SwfPlaceObject image;
        image.flags = 0x16;
        image.depth = 1;
        image.characterId = 2;
        image.matrix = SwfMatrix {};
        image.ratio = 0;

        SwfPlaceObject named;
        named.flags = 0x66;
        named.depth = 3;
        named.characterId = 4;
        named.matrix = SwfMatrix {};
        named.name = "ab";
        named.clipDepth = 5;

        SwfPlaceObject moved; // a move with a translation and a transform, no new character
        moved.flags = 0x0D;
        moved.move = true;
        moved.depth = 1;
        moved.matrix = SwfMatrix {};
        moved.matrix->translateBits = 9;
        moved.matrix->translateX = 200;
        moved.matrix->translateY = -100;
        moved.colorTransform = SwfColorTransform {};
        moved.colorTransform->hasMult = true;
        moved.colorTransform->bits = 1;
        moved.colorTransform->redMult = moved.colorTransform->greenMult = 0;
        moved.colorTransform->blueMult = moved.colorTransform->alphaMult = 0;

        const struct {
            const char* tag;
            const SwfPlaceObject& want;
        } cases[] = {
            { "88 06 16 01 00 02 00 00 00 00", image },
            { "8B 06 66 03 00 04 00 00 61 62 00 05 00", named },
            { "89 06 0D 01 00 12 C8 CE 00 44 00", moved },
        };
        for (const auto& c : cases) {
            SCOPED_TRACE(c.tag);
            const auto place = decodePlaceObject(tagOf(c.tag));
            ASSERT_TRUE(place) << place.error();
            EXPECT_EQ(place.value(), c.want);
        }
    }

    TEST(SwfControlTagDecode, DecodesRemovalBackgroundAndExports)
    {
        const auto remove = decodeRemoveObject(tagOf("44 01 02 00 01 00"));
        ASSERT_TRUE(remove) << remove.error();
        EXPECT_EQ(remove.value(), (SwfRemoveObject { 2, 1 }));

        const auto white = decodeBackgroundColor(tagOf("43 02 FF FF FF"));
        ASSERT_TRUE(white) << white.error();
        EXPECT_EQ(white.value(), (SwfColor { 255, 255, 255 }));

        const struct {
            const char* tag;
            std::vector<SwfAsset> want;
        } exports[] = {
            { "02 0E 00 00", {} },
            { "06 0E 01 00 01 00 61 00", { { 1, "a" } } },
            { "10 0E 02 00 01 00 70 69 63 31 00 03 00 70 69 63 32 00",
                { { 1, "pic1" }, { 3, "pic2" } } },
        };
        for (const auto& c : exports) {
            SCOPED_TRACE(c.tag);
            const auto assets = decodeExportAssets(tagOf(c.tag));
            ASSERT_TRUE(assets) << assets.error();
            EXPECT_EQ(assets.value(), c.want);
        }
    }

    TEST(SwfControlTagDecode, RejectsBrokenControlTags)
    {
        const auto place = [](const char* body) {
            return decodePlaceObject(tagWithBody(kTagPlaceObject2, hexBytes(body))).error();
        };
        const auto exports = [](const char* body) {
            return decodeExportAssets(tagWithBody(kTagExportAssets, hexBytes(body))).error();
        };
        const struct {
            const char* name;
            std::string error;
            const char* want;
        } cases[] = {
            { "clip actions", place("80 01 00"), "clip actions are not supported" },
            { "character id cut short", place("02 01 00 05"),
                "a record runs past the end of the tag" },
            { "unterminated name", place("20 01 00 61 62"),
                "a string has no terminating zero byte" },
            { "clip depth missing", place("40 01 00"), "a record runs past the end of the tag" },
            { "byte after the fields", place("00 01 00 00"), "1 bytes are left over" },
            { "more assets than stored", exports("02 00 01 00 61 00"),
                "a record runs past the end of the tag" },
            { "asset name unterminated", exports("01 00 01 00 61"),
                "a string has no terminating zero byte" },
            { "short remove",
                decodeRemoveObject(tagWithBody(kTagRemoveObject, hexBytes("02 00 01"))).error(),
                "a record runs past the end of the tag" },
            { "background with alpha",
                decodeBackgroundColor(tagWithBody(kTagSetBackgroundColor, hexBytes("FF FF FF FF")))
                    .error(),
                "1 bytes are left over" },
        };
        for (const auto& c : cases) {
            SCOPED_TRACE(c.name);
            EXPECT_TRUE(contains(c.error, c.want));
        }
    }

} // namespace
} // namespace brindlecast::swfread::test
