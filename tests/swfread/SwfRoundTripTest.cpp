#include "FileBytes.h"
#include "JpegFixture.h"
#include "SwfTestBytes.h"
#include "TempFolder.h"
#include "sdk/FActionCondition.h"
#include "sdk/FActions.h"
#include "sdk/FButtonRecord2.h"
#include "sdk/FCTExportAssets.h"
#include "sdk/FCTPlaceObject2.h"
#include "sdk/FCXFormWAlpha.h"
#include "sdk/FColor.h"
#include "sdk/FControlTags.h"
#include "sdk/FDTDefineBitsJPEG2.h"
#include "sdk/FDTDefineBitsLossless.h"
#include "sdk/FDTDefineButton2.h"
#include "sdk/FDTDefineShape.h"
#include "sdk/FDTDefineShapeZell.h"
#include "sdk/FFillStyles.h"
#include "sdk/FMatrix.h"
#include "sdk/FObjCollection.h"
#include "sdk/FRect.h"
#include "sdk/FShapeRecords.h"
#include "sdk/FString.h"
#include "swfread/SwfFile.h"
#include "swfread/SwfMovie.h"
#include "swfread/SwfTagDecoders.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace brindlecast::swfread::test
{
namespace
{

    // What the writer was given, to compare the read movie with.
    struct Sources {
        Bytes jpeg;
        Bytes colorTable;
        Bytes pixels;
        U16 jpegId = 0;
        U16 bitmapId = 0;
        U16 pictureId = 0;
        U16 squareId = 0;
        U16 buttonId = 0;
    };

    FCXFormWAlpha* invisible()
    {
        return new FCXFormWAlpha(1, 0, 0, 0, 0, 0, 0, 0, 0, 0);
    }

    void addRectangleEdges(FADefineShape& shape, S32 width, S32 height)
    {
        shape.AddShapeRecord(new FShapeRecEdgeStraight(0, height));
        shape.AddShapeRecord(new FShapeRecEdgeStraight(width, 0));
        shape.AddShapeRecord(new FShapeRecEdgeStraight(0, -height));
        shape.AddShapeRecord(new FShapeRecEdgeStraight(-width, 0));
        shape.AddShapeRecord(new FShapeRecEnd());
    }

    FDTDefineButton2* linkButton(U16 stateCharacter)
    {
        auto* button = new FDTDefineButton2(0);
        for (int state = 0; state < 4; ++state)
            button->AddButtonRecord(new FButtonRecord2(state == 3, state == 2, state == 1,
                state == 0, stateCharacter, 1, new FMatrix(), invisible()));
        auto* enter = new FActionCondition();
        enter->AddCondition(9);
        enter->AddActionRecord(new FActionGetURL(new FString("x"), new FString("")));
        button->AddActionCondition(enter);
        auto* click = new FActionCondition();
        click->AddCondition(6);
        click->AddActionRecord(new FActionGetURL(
            new FString("http://www.example.com/brindlecast/"), new FString("_blank")));
        button->AddActionCondition(click);
        return button;
    }

    // Every tag kind the writer has, over four frames.
    void buildMovie(FObjCollection& movie, Sources& sources)
    {
        sources.jpeg = fixtures::makeJpeg({ .width = 16, .height = 8 });
        sources.colorTable.resize(256 * 4);
        for (size_t i = 0; i < sources.colorTable.size(); ++i)
            sources.colorTable[i] = static_cast<uint8_t>(i * 3);
        sources.pixels.resize(8 * 2);
        for (size_t i = 0; i < sources.pixels.size(); ++i)
            sources.pixels[i] = static_cast<uint8_t>(255 - i);

        movie.Add(new FCTSetBackgroundColor(new FColorZell(0x10, 0x20, 0x30)));
        auto* jpeg
            = new FDTDefineBitsJPEG2(sources.jpeg.data(), static_cast<U32>(sources.jpeg.size()));
        sources.jpegId = jpeg->CharacterId();
        movie.Add(jpeg);
        auto* bitmap = new FDTDefineBitsLossless2Zell(
            3, 8, 2, 256, sources.colorTable.data(), sources.pixels.data());
        sources.bitmapId = bitmap->CharacterId();
        movie.Add(bitmap);

        auto* picture = new FDTDefineShapeZell(new FRect(0, 0, 160, 40));
        picture->AddFillStyle(new FFillStyleBitmapZell(0, sources.bitmapId));
        picture->FinishStyleArrays();
        picture->AddShapeRecord(
            new FShapeRecChange(0, 0, 1, 0, 0, 0, 0, 0, 1, 0, nullptr, nullptr));
        addRectangleEdges(*picture, 160, 40);
        sources.pictureId = picture->CharacterId();
        movie.Add(picture);

        auto* square = new FDTDefineShape(new FRect(-10, -10, 110, 110));
        square->AddSolidFillStyle(new FColor(255, 0, 0));
        square->AddFillStyle(new FFillStyleBitmap(
            0, sources.jpegId, new FMatrix(1, 0x140000, 0x140000, 1, 0x100, -0x100, 200, -100)));
        square->AddLineStyle(20, new FColor(0, 0, 255));
        square->FinishStyleArrays();
        square->AddShapeRecord(
            new FShapeRecChange(0, 1, 1, 0, 1, 100, 0, 0, 2, 1, nullptr, nullptr));
        addRectangleEdges(*square, 100, 100);
        sources.squareId = square->CharacterId();
        movie.Add(square);

        auto* button = linkButton(sources.squareId);
        sources.buttonId = button->CharacterId();
        movie.Add(button);

        movie.Add(new FCTPlaceObject2(
            0, 1, 1, 0, 1, sources.pictureId, new FMatrix(), nullptr, 0, nullptr, 0));
        movie.Add(new FCTPlaceObject2(1, 0, 1, 0, 3, sources.squareId,
            new FMatrix(0, 0, 0, 0, 0, 0, 200, -100), invisible(), 0, new FString("sq"), 5));
        movie.Add(new FCTShowFrame());
        movie.Add(new FCTRemoveObject(sources.pictureId, 1));
        movie.Add(new FCTPlaceObject2(
            0, 1, 1, 0, 2, sources.buttonId, new FMatrix(), nullptr, 7, nullptr, 0));
        movie.Add(new FCTShowFrame());
        movie.Add(new FCTShowFrame());
        auto* exports = new FCTExportAssets();
        exports->AddAsset(new FCTAssetItem(sources.pictureId, new FString("pic1")));
        exports->AddAsset(new FCTAssetItem(sources.squareId, new FString("pic2")));
        movie.Add(exports);
        movie.Add(new FCTShowFrame());
    }

    class SwfRoundTrip : public ::testing::Test
    {
    protected:
        std::filesystem::path write(
            const char* name, U8 compressed, S32 width = 2000, S32 height = 800)
        {
            FObjCollection movie;
            buildMovie(movie, sources);
            const auto path = folder / name;
            const FSaveResult saved = movie.SaveMovie(path.c_str(), compressed, width, height, 12);
            EXPECT_TRUE(saved) << saved.Error();
            return path;
        }

        testsupport::TempFolder folder;
        Sources sources;
    };

    SwfShapeRecord edge(int32_t dx, int32_t dy)
    {
        SwfShapeRecord record;
        record.kind = SwfShapeRecord::Kind::StraightEdge;
        record.dx = dx;
        record.dy = dy;
        return record;
    }

    std::vector<SwfShapeRecord> rectangleRecords(
        SwfShapeRecord change, int32_t width, int32_t height)
    {
        return { change, edge(0, height), edge(width, 0), edge(0, -height), edge(-width, 0), {} };
    }

    TEST_F(SwfRoundTrip, ReadsBackEveryTagKindInBothForms)
    {
        for (const U8 compressed : { U8 { 0 }, U8 { 1 } }) {
            SCOPED_TRACE(compressed ? "compressed" : "uncompressed");
            const auto path = write(compressed ? "all.swf" : "all_plain.swf", compressed);
            const auto read = readSwfFile(path);
            ASSERT_TRUE(read) << read.error();
            const SwfMovie& movie = read.value();

            EXPECT_EQ(movie.header.signature, compressed ? "CWS" : "FWS");
            EXPECT_EQ(movie.header.version, 6);
            EXPECT_EQ(movie.header.frameSize, (SwfRect { 16, 0, 2000, 0, 800 }));
            EXPECT_EQ(movie.header.frameRate, 0x0C00);
            EXPECT_EQ(movie.header.frameCount, 4);
            if (!compressed)
                EXPECT_EQ(movie.header.fileLength, std::filesystem::file_size(path));
            EXPECT_EQ(movie.backgroundColor, (SwfColor { 0x10, 0x20, 0x30 }));

            const auto* jpeg = movie.character<SwfJpegBitmap>(sources.jpegId);
            ASSERT_NE(jpeg, nullptr);
            EXPECT_TRUE(jpeg->wrapped);
            EXPECT_EQ(jpeg->jpeg, sources.jpeg);

            const auto* bitmap = movie.character<SwfLosslessBitmap>(sources.bitmapId);
            ASSERT_NE(bitmap, nullptr);
            EXPECT_EQ(*bitmap,
                (SwfLosslessBitmap { kTagDefineBitsLossless2, sources.bitmapId, 3, 8, 2, 256,
                    sources.colorTable, 8, sources.pixels }));

            const auto* picture = movie.character<SwfShape>(sources.pictureId);
            ASSERT_NE(picture, nullptr);
            SwfFillStyle pixelFill;
            pixelFill.kind = SwfFillStyle::Kind::Bitmap;
            pixelFill.type = 0x41;
            pixelFill.bitmapId = sources.bitmapId;
            pixelFill.matrix = { true, 22, 0x140000, 0x140000, false, 0, 0, 0, 0, 0, 0 };
            SwfShapeRecord fillOnly;
            fillOnly.kind = SwfShapeRecord::Kind::StyleChange;
            fillOnly.hasFillStyle1 = true;
            fillOnly.fillStyle1 = 1;
            EXPECT_EQ(*picture,
                (SwfShape { kTagDefineShape, sources.pictureId, { 9, 0, 160, 0, 40 }, { pixelFill },
                    {}, 1, 0, rectangleRecords(fillOnly, 160, 40) }));

            const auto* square = movie.character<SwfShape>(sources.squareId);
            ASSERT_NE(square, nullptr);
            SwfFillStyle red;
            red.color = { 255, 0, 0 };
            SwfFillStyle photoFill;
            photoFill.kind = SwfFillStyle::Kind::Bitmap;
            photoFill.type = 0x41;
            photoFill.bitmapId = sources.jpegId;
            photoFill.matrix
                = { true, 22, 0x140000, 0x140000, true, 10, 0x100, -0x100, 9, 200, -100 };
            SwfShapeRecord outlined = fillOnly;
            outlined.fillStyle1 = 2;
            outlined.hasLineStyle = true;
            outlined.lineStyle = 1;
            outlined.hasMoveTo = true;
            outlined.moveX = 100;
            EXPECT_EQ(*square,
                (SwfShape { kTagDefineShape, sources.squareId, { 8, -10, 110, -10, 110 },
                    { red, photoFill }, { { 20, { 0, 0, 255 } } }, 2, 1,
                    rectangleRecords(outlined, 100, 100) }));

            const auto* button = movie.character<SwfButton>(sources.buttonId);
            ASSERT_NE(button, nullptr);
            ASSERT_EQ(button->records.size(), 4u);
            for (size_t state = 0; state < 4; ++state) {
                const SwfButtonRecord& record = button->records[state];
                EXPECT_EQ(std::vector({ record.up, record.over, record.down, record.hitTest }),
                    std::vector({ state == 0, state == 1, state == 2, state == 3 }));
                EXPECT_EQ(record.characterId, sources.squareId);
                EXPECT_EQ(record.layer, 1);
                EXPECT_EQ(record.matrix, SwfMatrix {});
                EXPECT_TRUE(record.colorTransform.hasMult);
                EXPECT_EQ(record.colorTransform.alphaMult, 0);
            }
            ASSERT_EQ(button->conditions.size(), 2u);
            EXPECT_EQ(button->conditions[0].flags, 0x0001);
            EXPECT_EQ(button->conditions[0].actions.at(0).getUrl, (SwfGetUrl { "x", "" }));
            EXPECT_EQ(button->conditions[1].flags, 0x0008);
            EXPECT_EQ(button->conditions[1].actions.at(0).getUrl,
                (SwfGetUrl { "http://www.example.com/brindlecast/", "_blank" }));

            EXPECT_EQ(movie.exports,
                (std::vector<SwfAsset> {
                    { sources.pictureId, "pic1" }, { sources.squareId, "pic2" } }));

            const SwfTimeline& timeline = movie.timeline;
            ASSERT_EQ(timeline.frameCount(), 4u);
            const SwfDisplayObject* picturePlaced = timeline.objectAt(0, 1);
            ASSERT_NE(picturePlaced, nullptr);
            EXPECT_EQ(picturePlaced->characterId, sources.pictureId);
            const SwfDisplayObject* squarePlaced = timeline.objectAt(0, 3);
            ASSERT_NE(squarePlaced, nullptr);
            EXPECT_EQ(squarePlaced->characterId, sources.squareId);
            EXPECT_EQ(squarePlaced->name, "sq");
            EXPECT_EQ(squarePlaced->clipDepth, 5);
            EXPECT_EQ(squarePlaced->matrix.translateX, 200);
            EXPECT_TRUE(squarePlaced->colorTransform.has_value());
            for (size_t frame = 1; frame < 4; ++frame) {
                SCOPED_TRACE(frame);
                EXPECT_EQ(timeline.objectAt(frame, 1), nullptr);
                ASSERT_NE(timeline.objectAt(frame, 2), nullptr);
                EXPECT_EQ(timeline.objectAt(frame, 2)->characterId, sources.buttonId);
                EXPECT_EQ(timeline.objectAt(frame, 2)->ratio, 7);
                EXPECT_EQ(timeline.frame(frame).size(), 2u);
            }
        }
    }

    TEST_F(SwfRoundTrip, ReadsTheWideFrameOfLargeImages)
    {
        const auto read = readSwfFile(write("wide.swf", 1, 40000, 30000));
        ASSERT_TRUE(read) << read.error();
        EXPECT_EQ(read.value().header.frameSize, (SwfRect { 17, 0, 40000, 0, 30000 }));
    }

    TEST_F(SwfRoundTrip, EveryTruncatedCopyOfAFullMovieFails)
    {
        const Bytes fws = testsupport::readFileBytes(write("full.swf", 0));
        const Bytes cws = testsupport::readFileBytes(write("full_packed.swf", 1));
        ASSERT_TRUE(readSwfBytes(fws));
        ASSERT_TRUE(readSwfBytes(cws));
        for (size_t length = 0; length < fws.size(); ++length) {
            Bytes cut(fws.begin(), fws.begin() + static_cast<ptrdiff_t>(length));
            ASSERT_FALSE(readSwfBytes(cut)) << length;
            // With the length field mended, the cut reaches the tags.
            if (length >= 8) {
                for (int i = 0; i < 4; ++i)
                    cut[4 + static_cast<size_t>(i)] = static_cast<uint8_t>(length >> (8 * i));
                ASSERT_FALSE(readSwfBytes(cut)) << length;
            }
        }
        for (size_t length = 0; length < cws.size(); ++length)
            ASSERT_FALSE(
                readSwfBytes(Bytes(cws.begin(), cws.begin() + static_cast<ptrdiff_t>(length))))
                << length;
    }

} // namespace
} // namespace brindlecast::swfread::test
