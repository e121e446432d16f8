#include "ByteVectors.h"
#include "sdk/FColor.h"
#include "sdk/FDTDefineShape.h"
#include "sdk/FDTDefineShapeZell.h"
#include "sdk/FFillStyles.h"
#include "sdk/FMatrix.h"
#include "sdk/FRect.h"
#include "sdk/FSWFStream.h"
#include "sdk/FShapeRecords.h"
#include "sdk/FStyleArrays.h"

using namespace sdktest;

namespace
{

void SkipIds(int count)
{
    for (int i = 0; i < count; ++i)
        NextCharacterId();
}

// The outline of a 2000-twip square drawn clockwise from the origin.
template <class Shape> void AddSquareOutline(Shape& shape)
{
    shape.AddShapeRecord(new FShapeRecChange(0, 0, 1, 0, 0, 0, 0, 0, 1, 0, nullptr, nullptr));
    shape.AddShapeRecord(new FShapeRecEdgeStraight(0, 2000));
    shape.AddShapeRecord(new FShapeRecEdgeStraight(2000, 0));
    shape.AddShapeRecord(new FShapeRecEdgeStraight(0, -2000));
    shape.AddShapeRecord(new FShapeRecEdgeStraight(-2000, 0));
    shape.AddShapeRecord(new FShapeRecEnd());
}

// Id 2, bounds 2000 x 2000, one bitmap fill of character 1 (pixel-for-pixel matrix), square.
const Bytes kBitmapSquareBody
    = hexBytes("02 00 60 00 3E 80 00 3E 80 01 41 01 00 D9 40 00 05 00 00 00"
               "00 10 13 D2 FA 1D 0F A1 D3 06 1D 10 60 00");

// Id 3, bounds -10..110, red fill and a 1-pixel black line, 100-twip square moved to (100, 0).
const Bytes kRedSquareBody = hexBytes("03 00 47 B3 77 B3 70 01 00 FF 00 00 01 14 00 00 00 00 11 35"
                                      "0C 80 1E CB 26 C4 E6 CC E6 C3 20 00");

void WriteEdge(FSWFStream& stream, S32 dx, S32 dy)
{
    FShapeRecEdgeStraight(dx, dy).Write(stream);
    stream.PadToByte();
}

} // namespace

TEST(Shapes, TagsWithBodies)
{
    CheckVectors({
        { "pixel-for-pixel bitmap square, always the long header",
            [](auto& s) {
                SkipIds(1);
                FDTDefineShapeZell shape(new FRect(0, 0, 2000, 2000));
                EXPECT_EQ(shape.AddFillStyle(new FFillStyleBitmapZell(0, 1)), 1u);
                shape.FinishStyleArrays();
                AddSquareOutline(shape);
                shape.Write(s);
            },
            concat({ hexBytes("BF 00 22 00 00 00"), kBitmapSquareBody }) },
        // The same square with a 7-byte bitmap matrix (scale 1.0) makes a 34-byte body too.
        { "bitmap square with its own matrix, short header for 34 bytes",
            [](auto& s) {
                SkipIds(1);
                FDTDefineShape shape(new FRect(0, 0, 2000, 2000));
                shape.AddFillStyle(
                    new FFillStyleBitmap(0, 1, new FMatrix(1, 0x10000, 0x10000, 0, 0, 0, 0, 0)));
                shape.FinishStyleArrays();
                AddSquareOutline(shape);
                shape.Write(s);
            },
            hexBytes("A2 00 02 00 60 00 3E 80 00 3E 80 01 41 01 00 C9 00 00 40 00 01 00"
                     "00 10 13 D2 FA 1D 0F A1 D3 06 1D 10 60 00") },
        { "solid fill and line style square",
            [](auto& s) {
                SkipIds(2);
                FDTDefineShape shape(new FRect(-10, -10, 110, 110));
                EXPECT_EQ(shape.AddSolidFillStyle(new FColor(255, 0, 0)), 1u);
                EXPECT_EQ(shape.AddLineStyle(20, new FColor(0, 0, 0)), 1u);
                shape.FinishStyleArrays();
                shape.AddShapeRecord(
                    new FShapeRecChange(0, 1, 1, 0, 1, 100, 0, 0, 1, 1, nullptr, nullptr));
                shape.AddShapeRecord(new FShapeRecEdgeStraight(0, 100));
                shape.AddShapeRecord(new FShapeRecEdgeStraight(-100, 0));
                shape.AddShapeRecord(new FShapeRecEdgeStraight(0, -100));
                shape.AddShapeRecord(new FShapeRecEdgeStraight(100, 0));
                shape.AddShapeRecord(new FShapeRecEnd());
                shape.Write(s);
            },
            concat({ hexBytes("A0 00"), kRedSquareBody }) },
    });
}

TEST(Shapes, WritingTwiceGivesTheSameBytes)
{
    FDTDefineShapeZell shape(new FRect(0, 0, 2000, 2000));
    shape.AddFillStyle(new FFillStyleBitmapZell(0, 1));
    shape.FinishStyleArrays();
    AddSquareOutline(shape);
    FSWFStream first;
    FSWFStream second;
    shape.Write(first);
    shape.Write(second);
    EXPECT_TRUE(sameBytes(Contents(second), Contents(first)));
}

TEST(Shapes, Records)
{
    CheckVectors({
        { "vertical edge 2000", [](auto& s) { WriteEdge(s, 0, 2000); }, hexBytes("E9 7D 00") },
        { "horizontal edge 2000", [](auto& s) { WriteEdge(s, 2000, 0); }, hexBytes("E8 7D 00") },
        { "general edge 100, -50", [](auto& s) { WriteEdge(s, 100, -50); }, hexBytes("DA C9 9C") },
        { "shortest edge", [](auto& s) { WriteEdge(s, 1, 0); }, hexBytes("C0 40") },
        { "longest edge", [](auto& s) { WriteEdge(s, 65535, 0); }, hexBytes("FC 7F FF 80") },
        { "end record", [](auto& s) { FShapeRecEnd().Write(s); }, hexBytes("00") },
        // Flags 0 00011: fill style 1 and move-to, 9-bit move (-200, 255), 2-bit fill index 3.
        { "style change with move and fill index",
            [](auto& s) {
                FShapeRecChange change(0, 0, 1, 0, 1, -200, 255, 0, 3, 0, nullptr, nullptr);
                change.SetFillBits(2);
                change.Write(s);
                s.PadToByte();
            },
            hexBytes("15 33 87 FE") },
    });
}

TEST(Shapes, StyleArrayCountEscapesAt255)
{
    struct Case {
        U32 styles;
        Bytes start;
    };
    for (const Case& c : { Case { 254, hexBytes("FE 00 00 00 00") },
             Case { 255, hexBytes("FF FF 00 00 00 00 00") } }) {
        SCOPED_TRACE(c.styles);
        FFillStyleArray array;
        for (U32 i = 0; i < c.styles; ++i)
            array.Add(new FFillStyleSolid(new FColor(0, 0, 0)));
        FSWFStream stream;
        array.Write(stream);
        const Bytes bytes = Contents(stream);
        ASSERT_EQ(bytes.size(), c.start.size() - 4 + 4 * c.styles);
        EXPECT_TRUE(sameBytes(Bytes(bytes.begin(), bytes.begin() + c.start.size()), c.start));
    }
}

TEST(Shapes, StyleIndexesCountFromOne)
{
    FDTDefineShape shape(new FRect(0, 0, 20, 20));
    EXPECT_EQ(shape.AddSolidFillStyle(new FColor(1, 2, 3)), 1u);
    EXPECT_EQ(shape.AddSolidFillStyle(new FColor(4, 5, 6)), 2u);
    EXPECT_EQ(shape.AddFillStyle(new FFillStyleBitmap(0, 7, new FMatrix())), 3u);
    EXPECT_EQ(shape.AddLineStyle(20, new FColor(0, 0, 0)), 1u);
}
