#include "conversion/JpegImageBuilder.h"

#include "JpegFixture.h"
#include "conversion/MovieAssembly.h"
#include "sdk/FDT.h"
#include "swfread/SwfMovie.h"
#include "swfread/SwfTagDecoders.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <unistd.h>

using namespace brindlecast;
using swfread::SwfFillStyle;
using swfread::SwfShapeRecord;

TEST(JpegImageBuilder, MissingFileGivesMinus500AndAppendsNothing)
{
    TagList tags;
    EXPECT_EQ(BuildJpegImage(tags, "/nonexistent/photo.jpg", 2), kJpegFileMissing);
    EXPECT_TRUE(tags.Empty());
}

// The shape is drawn clockwise from its bottom-right corner with the second of two clipped
// bitmap fills: the unused bitmap 65535 at half size, then the picture at one pixel per pixel.
TEST(JpegImageBuilder, ShapeFillsItsRectangleFromTheBottomRightCorner)
{
    ResetCharacterIds();
    constexpr int kWidth = 40, kHeight = 30;
    constexpr S32 kPreviousId = 9;
    TagList tags;
    const S32 shapeId = BuildJpegImage(tags,
        JpegPicture {
            kWidth, kHeight, fixtures::makeJpeg(fixtures::JpegFixture { kWidth, kHeight }) },
        kPreviousId);
    EXPECT_EQ(shapeId, 2);

    const auto path = std::filesystem::temp_directory_path()
        / ("brindlecast-jpeg-shape-" + std::to_string(getpid()) + ".swf");
    MovieAssembly movie;
    movie.Append(std::move(tags));
    ASSERT_TRUE(movie.Save(path.string(), 20 * kWidth, 20 * kHeight, 12));
    auto read = swfread::readSwfFile(path);
    std::filesystem::remove(path);
    ASSERT_TRUE(read.ok()) << read.error();
    const auto& written = read.value();

    // Bitmap 1, shape 2, then the previous picture leaves depth 1.
    ASSERT_EQ(written.tags.size(), 4u);
    EXPECT_EQ(written.tags[0].code, swfread::kTagDefineBitsJpeg2);
    EXPECT_EQ(written.tags[1].code, swfread::kTagDefineShape);
    const auto removed = swfread::decodeRemoveObject(written.tags[2]);
    ASSERT_TRUE(removed.ok());
    EXPECT_EQ(removed.value().characterId, kPreviousId);
    EXPECT_EQ(removed.value().depth, 1);

    const auto* shape = written.character<swfread::SwfShape>(2);
    ASSERT_NE(shape, nullptr);
    const S32 w = 20 * kWidth, h = 20 * kHeight;
    EXPECT_EQ(shape->bounds, (swfread::SwfRect { shape->bounds.bits, 0, w, 0, h }));
    ASSERT_EQ(shape->fillStyles.size(), 2u);
    const struct {
        uint16_t bitmapId;
        int32_t scale;
    } fills[] = { { 65535, 10 << 16 }, { 1, 20 << 16 } };
    for (std::size_t i = 0; i < 2; ++i) {
        const SwfFillStyle& fill = shape->fillStyles[i];
        EXPECT_EQ(fill.kind, SwfFillStyle::Kind::Bitmap) << i;
        EXPECT_EQ(fill.type, 0x41) << i; // clipped
        EXPECT_EQ(fill.bitmapId, fills[i].bitmapId) << i;
        EXPECT_TRUE(fill.matrix.hasScale) << i;
        EXPECT_EQ(fill.matrix.scaleX, fills[i].scale) << i;
        EXPECT_EQ(fill.matrix.scaleY, fills[i].scale) << i;
        EXPECT_FALSE(fill.matrix.hasRotate) << i;
        EXPECT_EQ(fill.matrix.translateX, 0) << i;
        EXPECT_EQ(fill.matrix.translateY, 0) << i;
    }
    EXPECT_TRUE(shape->lineStyles.empty());

    ASSERT_EQ(shape->records.size(), 6u);
    const SwfShapeRecord& change = shape->records[0];
    EXPECT_EQ(change.kind, SwfShapeRecord::Kind::StyleChange);
    EXPECT_FALSE(change.hasNewStyles);
    EXPECT_TRUE(change.hasMoveTo);
    EXPECT_EQ(change.moveX, w);
    EXPECT_EQ(change.moveY, h);
    EXPECT_FALSE(change.hasFillStyle0);
    EXPECT_TRUE(change.hasFillStyle1);
    EXPECT_EQ(change.fillStyle1, 2u);
    EXPECT_TRUE(change.hasLineStyle);
    EXPECT_EQ(change.lineStyle, 0u);
    const std::pair<int32_t, int32_t> edges[] = { { -w, 0 }, { 0, -h }, { w, 0 }, { 0, h } };
    for (std::size_t i = 0; i < 4; ++i) {
        const SwfShapeRecord& edge = shape->records[i + 1];
        EXPECT_EQ(edge.kind, SwfShapeRecord::Kind::StraightEdge) << i;
        EXPECT_EQ(std::make_pair(edge.dx, edge.dy), edges[i]) << i;
    }
    EXPECT_EQ(shape->records[5].kind, SwfShapeRecord::Kind::End);
}
