#include "SwfTestBytes.h"
#include "swfread/SwfTagDecoders.h"

#include <gtest/gtest.h>

namespace brindlecast::swfread::test
{
namespace
{

    using Kind = SwfShapeRecord::Kind;

    SwfShapeRecord edge(int32_t dx, int32_t dy)
    {
        SwfShapeRecord record;
        record.kind = Kind::StraightEdge;
        record.dx = dx;
        record.dy = dy;
        return record;
    }

    SwfShapeRecord curve(int32_t controlX, int32_t controlY, int32_t anchorX, int32_t anchorY)
    {
        SwfShapeRecord record;
        record.kind = Kind::CurvedEdge;
        record.dx = controlX;
        record.dy = controlY;
        record.dx2 = anchorX;
        record.dy2 = anchorY;
        return record;
    }

    SwfShapeRecord endRecord()
    {
        return {};
    }

    SwfShapeRecord selectStyles(uint32_t fill1, uint32_t line, bool move, int32_t x, int32_t y)
    {
        SwfShapeRecord record;
        record.kind = Kind::StyleChange;
        record.hasFillStyle1 = true;
        record.fillStyle1 = fill1;
        record.hasLineStyle = line != 0;
        record.lineStyle = line;
        record.hasMoveTo = move;
        record.moveX = x;
        record.moveY = y;
        return record;
    }

    SwfMatrix pixelScale(uint32_t translateBits)
    {
        SwfMatrix matrix;
        matrix.hasScale = true;
        matrix.scaleBits = 22;
        matrix.scaleX = matrix.scaleY = 0x140000;
        matrix.translateBits = translateBits;
        return matrix;
    }

    SwfShape bitmapRectangle()
    {
        SwfShape shape;
        shape.code = kTagDefineShape;
        shape.id = 2;
        shape.bounds = { 12, 0, 2000, 0, 2000 };
        SwfFillStyle fill;
        fill.kind = SwfFillStyle::Kind::Bitmap;
        fill.type = 0x41;
        fill.bitmapId = 1;
        fill.matrix = pixelScale(0);
        shape.fillStyles = { fill };
        shape.fillIndexBits = 1;
        shape.records = { selectStyles(1, 0, false, 0, 0), edge(0, 2000), edge(2000, 0),
            edge(0, -2000), edge(-2000, 0), endRecord() };
        return shape;
    }

    SwfShape outlinedSquare()
    {
        SwfShape shape;
        shape.code = kTagDefineShape;
        shape.id = 3;
        shape.bounds = { 8, -10, 110, -10, 110 };
        SwfFillStyle fill;
        fill.color = { 255, 0, 0 };
        shape.fillStyles = { fill };
        shape.lineStyles = { { 20, { 0, 0, 0 } } };
        shape.fillIndexBits = 1;
        shape.lineIndexBits = 1;
        shape.records = { selectStyles(1, 1, true, 100, 0), edge(0, 100), edge(-100, 0),
            edge(0, -100), edge(100, 0), endRecord() };
        return shape;
    }

    TEST(SwfShapeDecode, DecodesShapeTagsFieldByField)
    {
        const char* const zellBody
            = "02 00 60 00 3E 80 00 3E 80 01 41 01 00 D9 40 00 05 00 00 00 00 "
              "10 13 D2 FA 1D 0F A1 D3 06 1D 10 60 00";
        const struct {
            const char* name;
            std::string tag;
            SwfShape want;
        } cases[] = {
            { "bitmap rectangle, long header", std::string("BF 00 22 00 00 00 ") + zellBody,
                bitmapRectangle() },
            { "bitmap rectangle, short header", std::string("A2 00 ") + zellBody,
                bitmapRectangle() },
            { "solid fill and outline",
                "A0 00 03 00 47 B3 77 B3 70 01 00 FF 00 00 01 14 00 00 00 00 11 35 0C 80 1E CB 26 "
                "C4 "
                "E6 CC E6 C3 20 00",
                outlinedSquare() },
        };
        for (const auto& c : cases) {
            SCOPED_TRACE(c.name);
            const auto shape = decodeShape(tagOf(c.tag));
            ASSERT_TRUE(shape) << shape.error();
            EXPECT_EQ(shape.value(), c.want);
        }
    }

    // A shape without styles whose records are `records`, so single edges can be read.
    SwfTag bareShape(const std::string& records)
    {
        const Bytes body = concat({ hexBytes("01 00 00 00 00 00"), hexBytes(records) });
        return { kTagDefineShape, static_cast<uint32_t>(body.size()), false, 0, body };
    }

    TEST(SwfShapeDecode, ReadsEachKindOfEdge)
    {
        // The edge's bytes, then zero bits for the end record where its padding is too short.
        const struct {
            const char* records;
            SwfShapeRecord want;
        } cases[] = {
            { "E9 7D 00 00", edge(0, 2000) },
            { "E8 7D 00 00", edge(2000, 0) },
            { "DA C9 9C 00", edge(100, -50) },
            { "C0 40", edge(1, 0) },
            { "FC 7F FF 80", edge(65535, 0) },
            { "88 4B F8 00", curve(1, 2, -1, -2) },
        };
        for (const auto& c : cases) {
            SCOPED_TRACE(c.records);
            const auto shape = decodeShape(bareShape(c.records));
            ASSERT_TRUE(shape) << shape.error();
            EXPECT_EQ(shape.value().records, (std::vector { c.want, endRecord() }));
        }
    }

    TEST(SwfShapeDecode, ReadsTheWideStyleCount)
    {
        for (const int count : { 254, 255, 300 }) {
            SCOPED_TRACE(count);
            Bytes body = hexBytes("01 00 00");
            if (count < 255)
                body.push_back(static_cast<uint8_t>(count));
            else
                body.insert(body.end(),
                    { 0xFF, static_cast<uint8_t>(count), static_cast<uint8_t>(count >> 8) });
            for (int i = 0; i < count; ++i)
                body.insert(body.end(), { 0x00, static_cast<uint8_t>(i), 0x00, 0x00 });
            body.insert(body.end(), { 0x00, 0x90, 0x00 });
            const auto shape = decodeShape({ kTagDefineShape, 0, false, 0, body });
            ASSERT_TRUE(shape) << shape.error();
            ASSERT_EQ(shape.value().fillStyles.size(), static_cast<size_t>(count));
            EXPECT_EQ(shape.value().fillStyles.back().color.red, static_cast<uint8_t>(count - 1));
            EXPECT_EQ(shape.value().fillIndexBits, 9u);
        }
    }

    TEST(SwfShapeDecode, ReadsNewStylesInsideTheRecords)
    {
        // Code 22 starts without styles; its first record brings one fill, the second uses it.
        const auto shape = decodeShape(tagWithBody(
            kTagDefineShape2, hexBytes("01 00 00 00 00 00 40 01 00 FF 00 00 00 10 12 00")));
        ASSERT_TRUE(shape) << shape.error();
        SwfShapeRecord newStyles;
        newStyles.kind = Kind::StyleChange;
        newStyles.hasNewStyles = true;
        newStyles.newFillStyles = { SwfFillStyle { .color = { 255, 0, 0 } } };
        EXPECT_EQ(shape.value().code, kTagDefineShape2);
        EXPECT_EQ(shape.value().records,
            (std::vector { newStyles, selectStyles(1, 0, false, 0, 0), endRecord() }));
    }

    TEST(SwfShapeDecode, RejectsBrokenShapes)
    {
        const struct {
            const char* name;
            SwfTag tag;
            const char* error;
        } cases[] = {
            { "fill index past the styles",
                { kTagDefineShape, 0, false, 0, hexBytes("01 00 00 01 00 FF 00 00 00 20 12 00") },
                "fill style index 2 refers past the 1 fill styles" },
            { "gradient fill", { kTagDefineShape, 0, false, 0, hexBytes("01 00 00 01 10 00") },
                "fill style type 16 is not supported" },
            { "no end record", bareShape("E9 7D"), "a record runs past the end of the tag" },
            { "bytes after the end record", bareShape("00 00"),
                "1 bytes are left over at the end of the tag" },
            { "bounds cut short", { kTagDefineShape, 0, false, 0, hexBytes("01 00 78 00") },
                "a record runs past the end of the tag" },
            { "not a shape tag", { kTagPlaceObject2, 0, false, 0, {} },
                "tag code 26: a tag of code 26 is not a shape" },
        };
        for (const auto& c : cases) {
            SCOPED_TRACE(c.name);
            const auto shape = decodeShape(c.tag);
            ASSERT_FALSE(shape);
            EXPECT_TRUE(contains(shape.error(), c.error));
        }
    }

} // namespace
} // namespace brindlecast::swfread::test
