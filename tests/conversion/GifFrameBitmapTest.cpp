#include "conversion/GifFrameBitmap.h"

#include "conversion/GifFrameBuilder.h"
#include "conversion/MovieAssembly.h"
#include "sdk/FDT.h"
#include "swfread/SwfMovie.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <unistd.h>

using namespace brindlecast;
using imaging::GifColor;
using imaging::GifColorMap;
using imaging::GifFrame;

namespace
{

GifFrame FrameOf(int width, int height)
{
    GifFrame frame;
    frame.width = width;
    frame.height = height;
    frame.raster.resize(static_cast<std::size_t>(width * height));
    for (std::size_t i = 0; i < frame.raster.size(); ++i)
        frame.raster[i] = static_cast<std::uint8_t>(i % 7 + 1);
    return frame;
}

GifColorMap TableOf(int entries, std::uint8_t seed)
{
    GifColorMap table;
    for (int i = 0; i < entries; ++i) {
        const auto v = static_cast<std::uint8_t>(i + seed);
        table.push_back({ v, static_cast<std::uint8_t>(v + 1), static_cast<std::uint8_t>(v + 2) });
    }
    return table;
}

std::array<std::uint8_t, 4> Entry(const GifFrameBitmap& bitmap, int index)
{
    const auto* entry = &bitmap.palette[static_cast<std::size_t>(index) * 4];
    return { entry[0], entry[1], entry[2], entry[3] };
}

} // namespace

TEST(GifFrameBitmap, PaddedSizeRoundsUpToMultiplesOfFour)
{
    const struct {
        int width, height, paddedWidth, paddedHeight;
    } cases[] = { { 5, 8, 8, 12 }, { 4, 8, 4, 8 }, { 4, 6, 4, 8 }, { 10, 10, 12, 12 },
        { 12, 10, 12, 12 }, { 12, 12, 12, 12 }, { 1, 1, 4, 4 }, { 3, 4, 4, 8 } };
    for (const auto& c : cases) {
        const auto bitmap = MakeGifFrameBitmap(FrameOf(c.width, c.height), TableOf(2, 0));
        EXPECT_EQ(bitmap.paddedWidth, c.paddedWidth) << c.width << "x" << c.height;
        EXPECT_EQ(bitmap.paddedHeight, c.paddedHeight) << c.width << "x" << c.height;
        EXPECT_EQ(bitmap.width, c.width);
        EXPECT_EQ(bitmap.height, c.height);
    }
}

TEST(GifFrameBitmap, RasterRowsKeepTheirIndicesAndPaddingIsZero)
{
    const GifFrame frame = FrameOf(5, 3);
    const auto bitmap = MakeGifFrameBitmap(frame, TableOf(8, 0));
    ASSERT_EQ(bitmap.pixels.size(), 8u * 4u);
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 8; ++x) {
            const auto want
                = x < 5 && y < 3 ? frame.raster[static_cast<std::size_t>(y * 5 + x)] : 0;
            EXPECT_EQ(bitmap.pixels[static_cast<std::size_t>(y * 8 + x)], want) << x << "," << y;
        }
    }
}

TEST(GifFrameBitmap, ShortRasterLeavesMissingRowsAtZero)
{
    GifFrame frame = FrameOf(4, 4);
    frame.raster.resize(4); // one row only
    const auto bitmap = MakeGifFrameBitmap(frame, TableOf(8, 0));
    EXPECT_EQ(bitmap.pixels[3], frame.raster[3]);
    EXPECT_EQ(bitmap.pixels[4], 0);
    EXPECT_EQ(bitmap.pixels.back(), 0);
}

TEST(GifFrameBitmap, PaletteTakesTheLocalTableOverTheGlobalOne)
{
    GifFrame frame = FrameOf(4, 4);
    frame.localColorMap = TableOf(2, 100);
    const auto bitmap = MakeGifFrameBitmap(frame, TableOf(4, 0));
    EXPECT_EQ(Entry(bitmap, 0), (std::array<std::uint8_t, 4> { 100, 101, 102, 255 }));
    EXPECT_EQ(Entry(bitmap, 1), (std::array<std::uint8_t, 4> { 101, 102, 103, 255 }));
    EXPECT_EQ(Entry(bitmap, 2), (std::array<std::uint8_t, 4> { 0, 0, 0, 0 }));
}

TEST(GifFrameBitmap, PaletteEntriesPastTheGlobalTableAreZero)
{
    const auto bitmap = MakeGifFrameBitmap(FrameOf(4, 4), TableOf(4, 10));
    EXPECT_EQ(Entry(bitmap, 3), (std::array<std::uint8_t, 4> { 13, 14, 15, 255 }));
    for (int i = 4; i < 256; ++i)
        ASSERT_EQ(Entry(bitmap, i), (std::array<std::uint8_t, 4> { 0, 0, 0, 0 })) << i;
}

TEST(GifFrameBitmap, OnlyASetTransparencyFlagClearsItsEntry)
{
    const struct {
        const char* name;
        bool hasControl;
        bool flag;
        std::array<std::uint8_t, 4> entry5;
    } cases[] = {
        { "flag set", true, true, { 0, 0, 0, 0 } },
        { "flag clear", true, false, { 5, 6, 7, 255 } },
        { "no graphic control", false, false, { 5, 6, 7, 255 } },
    };
    for (const auto& c : cases) {
        GifFrame frame = FrameOf(4, 4);
        if (c.hasControl)
            frame.graphicControl = imaging::GifGraphicControl { c.flag, 5, 0, 0 };
        const auto bitmap = MakeGifFrameBitmap(frame, TableOf(16, 0));
        EXPECT_EQ(Entry(bitmap, 5), c.entry5) << c.name;
        EXPECT_EQ(Entry(bitmap, 4), (std::array<std::uint8_t, 4> { 4, 5, 6, 255 })) << c.name;
    }
}

// The bitmap keeps its padded size while the shape covers the frame's own size, drawn clockwise
// from the origin with fill style 1 only; the first picture of a movie removes nothing.
TEST(GifFrameBuilder, ShapeCoversTheUnpaddedFrameFromTheOrigin)
{
    ResetCharacterIds();
    TagList tags;
    EXPECT_EQ(BuildGifFrame(tags, MakeGifFrameBitmap(FrameOf(10, 6), TableOf(4, 0)), 0), 2);

    const auto path = std::filesystem::temp_directory_path()
        / ("brindlecast-gif-shape-" + std::to_string(getpid()) + ".swf");
    MovieAssembly movie;
    movie.Append(std::move(tags));
    ASSERT_TRUE(movie.Save(path.string(), 200, 120, 12));
    auto read = swfread::readSwfFile(path);
    std::filesystem::remove(path);
    ASSERT_TRUE(read.ok()) << read.error();
    const auto& written = read.value();

    ASSERT_EQ(written.tags.size(), 3u); // bitmap, shape, end: no removal
    const auto* bitmap = written.character<swfread::SwfLosslessBitmap>(1);
    ASSERT_NE(bitmap, nullptr);
    EXPECT_EQ(bitmap->width, 12);
    EXPECT_EQ(bitmap->height, 8);
    const auto* shape = written.character<swfread::SwfShape>(2);
    ASSERT_NE(shape, nullptr);
    EXPECT_EQ(shape->bounds, (swfread::SwfRect { shape->bounds.bits, 0, 200, 0, 120 }));
    ASSERT_EQ(shape->fillStyles.size(), 1u);
    EXPECT_EQ(shape->fillStyles[0].type, 0x41); // clipped
    EXPECT_EQ(shape->fillStyles[0].bitmapId, 1);
    EXPECT_EQ(shape->fillStyles[0].matrix.scaleX, 20 << 16);
    EXPECT_EQ(shape->fillStyles[0].matrix.scaleY, 20 << 16);
    EXPECT_TRUE(shape->lineStyles.empty());

    using Record = swfread::SwfShapeRecord;
    ASSERT_EQ(shape->records.size(), 6u);
    const Record& change = shape->records[0];
    EXPECT_EQ(change.kind, Record::Kind::StyleChange);
    EXPECT_TRUE(change.hasFillStyle1);
    EXPECT_EQ(change.fillStyle1, 1u);
    EXPECT_FALSE(
        change.hasMoveTo || change.hasFillStyle0 || change.hasLineStyle || change.hasNewStyles);
    const std::pair<int32_t, int32_t> edges[]
        = { { 200, 0 }, { 0, 120 }, { -200, 0 }, { 0, -120 } };
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(shape->records[i + 1].kind, Record::Kind::StraightEdge) << i;
        EXPECT_EQ(std::make_pair(shape->records[i + 1].dx, shape->records[i + 1].dy), edges[i])
            << i;
    }
    EXPECT_EQ(shape->records[5].kind, Record::Kind::End);
}
