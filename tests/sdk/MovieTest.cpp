#include "ByteVectors.h"
#include "FileBytes.h"
#include "TempFolder.h"
#include "sdk/FCTPlaceObject2.h"
#include "sdk/FColor.h"
#include "sdk/FControlTags.h"
#include "sdk/FDTDefineBitsLossless.h"
#include "sdk/FDTDefineShape.h"
#include "sdk/FMatrix.h"
#include "sdk/FObjCollection.h"
#include "sdk/FRect.h"
#include "sdk/FShapeRecords.h"

#include <functional>

using namespace sdktest;
using brindlecast::testsupport::readFileBytes;
using brindlecast::testsupport::TempFolder;

namespace
{

// The red square with a black outline, bounds -10..110.
FDTDefineShape* RedSquare()
{
    auto* shape = new FDTDefineShape(new FRect(-10, -10, 110, 110));
    shape->AddSolidFillStyle(new FColor(255, 0, 0));
    shape->AddLineStyle(20, new FColor(0, 0, 0));
    shape->FinishStyleArrays();
    shape->AddShapeRecord(new FShapeRecChange(0, 1, 1, 0, 1, 100, 0, 0, 1, 1, nullptr, nullptr));
    shape->AddShapeRecord(new FShapeRecEdgeStraight(0, 100));
    shape->AddShapeRecord(new FShapeRecEdgeStraight(-100, 0));
    shape->AddShapeRecord(new FShapeRecEdgeStraight(0, -100));
    shape->AddShapeRecord(new FShapeRecEdgeStraight(100, 0));
    shape->AddShapeRecord(new FShapeRecEnd());
    return shape;
}

void OneFrame(FObjCollection& movie)
{
    movie.Add(new FCTShowFrame());
}

struct MovieVector {
    std::string name;
    std::function<void(FObjCollection&)> build;
    S32 width;
    S32 height;
    S32 frameRate;
    Bytes want;
};

class Movie : public ::testing::Test
{
protected:
    void SetUp() override { ResetCharacterIds(); }

    Bytes Save(FObjCollection& movie, U8 compressed, S32 width = 2000, S32 height = 2000,
        S32 frameRate = 12)
    {
        const std::string path = folder.file("movie.swf");
        const FSaveResult result
            = movie.SaveMovie(path.c_str(), compressed, width, height, frameRate);
        EXPECT_TRUE(result.Ok()) << result.Error();
        return readFileBytes(path);
    }

    TempFolder folder;
};

} // namespace

TEST_F(Movie, UncompressedFiles)
{
    const MovieVector vectors[] = {
        { "one show frame", OneFrame, 2000, 2000, 12,
            hexBytes(
                "46 57 53 06 19 00 00 00 80 00 00 3E 80 00 00 3E 80 00 0C 01 00 40 00 00 00") },
        { "empty movie", [](auto&) {}, 2000, 2000, 12,
            hexBytes("46 57 53 06 17 00 00 00 80 00 00 3E 80 00 00 3E 80 00 0C 00 00 00 00") },
        { "frame rate 300 keeps its low byte", OneFrame, 2000, 2000, 300,
            hexBytes(
                "46 57 53 06 19 00 00 00 80 00 00 3E 80 00 00 3E 80 00 2C 01 00 40 00 00 00") },
        { "background, shape, placement, frame",
            [](auto& movie) {
                movie.Add(new FCTSetBackgroundColor(new FColorZell(255, 255, 255)));
                movie.Add(RedSquare());
                movie.Add(
                    new FCTPlaceObject2(0, 1, 1, 0, 1, 1, new FMatrix(), nullptr, 0, nullptr, 0));
                movie.Add(new FCTShowFrame());
            },
            2400, 2400, 12,
            hexBytes("46 57 53 06 4A 00 00 00 80 00 00 4B 00 00 00 4B 00 00 0C 01 00 43 02 FF FF FF"
                     "A0 00 01 00 47 B3 77 B3 70 01 00 FF 00 00 01 14 00 00 00 00 11 35 0C 80 1E CB"
                     "26 C4 E6 CC E6 C3 20 00 88 06 16 01 00 01 00 00 00 00 40 00 00 00") },
        // Largest size the 16-bit frame rectangle holds.
        { "32767 twips square keeps the 21-byte header", OneFrame, 32767, 32767, 12,
            hexBytes(
                "46 57 53 06 19 00 00 00 80 00 03 FF F8 00 03 FF F8 00 0C 01 00 40 00 00 00") },
        // 40000 twips needs 17-bit fields: 5 + 4 x 17 bits, 10 bytes.
        { "40000 twips wide widens the frame rectangle", OneFrame, 40000, 1000, 12,
            hexBytes(
                "46 57 53 06 1A 00 00 00 88 00 01 38 80 00 00 01 F4 00 00 0C 01 00 40 00 00 00") },
    };
    for (const MovieVector& v : vectors) {
        SCOPED_TRACE(v.name);
        ResetCharacterIds();
        FObjCollection movie;
        v.build(movie);
        EXPECT_TRUE(sameBytes(Save(movie, 0, v.width, v.height, v.frameRate), v.want));
    }
}

TEST_F(Movie, CompressedOneFrame)
{
    FObjCollection movie;
    OneFrame(movie);
    const Bytes file = Save(movie, 1);
    ASSERT_GT(file.size(), 9u);
    EXPECT_TRUE(
        sameBytes(Bytes(file.begin(), file.begin() + 8), hexBytes("43 57 53 06 19 00 00 00")));
    EXPECT_EQ(file[8], 0x78) << "zlib header";
    EXPECT_TRUE(sameBytes(Inflate(file.data() + 8, file.size() - 8),
        hexBytes("80 00 00 3E 80 00 00 3E 80 00 0C 01 00 40 00 00 00")));
}

TEST_F(Movie, CompressedIsTheUncompressedFileDeflated)
{
    // Noise bitmaps compress badly, so the zlib output spans many 32000-byte chunks, and every
    // bitmap's data is spliced in from outside the movie stream.
    auto build = [](FObjCollection& movie) {
        U32 seed = 12345;
        Bytes table(1024);
        Bytes pixels(200 * 120);
        for (int picture = 0; picture < 4; ++picture) {
            for (U8& byte : table)
                byte = static_cast<U8>((seed = seed * 1103515245 + 12345) >> 16);
            for (U8& byte : pixels)
                byte = static_cast<U8>((seed = seed * 1103515245 + 12345) >> 16);
            auto* bitmap
                = new FDTDefineBitsLossless2Zell(3, 200, 120, 256, table.data(), pixels.data());
            movie.Add(bitmap);
            movie.Add(new FCTShowFrame());
        }
    };
    FObjCollection plain;
    build(plain);
    const Bytes fws = Save(plain, 0);
    FObjCollection packed;
    build(packed);
    const Bytes cws = Save(packed, 1);

    ASSERT_GT(fws.size(), 4u * 200 * 120);
    ASSERT_GT(cws.size(), 8u);
    EXPECT_TRUE(sameBytes(Bytes(cws.begin(), cws.begin() + 8),
        concat({ hexBytes("43 57 53"), Bytes(fws.begin() + 3, fws.begin() + 8) })));
    EXPECT_TRUE(
        sameBytes(Inflate(cws.data() + 8, cws.size() - 8), Bytes(fws.begin() + 8, fws.end())));
}

TEST_F(Movie, EveryMovieNumbersItsCharactersFromOne)
{
    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round);
        FObjCollection movie;
        auto* shape = RedSquare();
        EXPECT_EQ(shape->CharacterId(), 1);
        movie.Add(shape);
        EXPECT_TRUE(movie.SaveMovie(folder.file("m.swf").c_str(), 1, 2000, 2000, 12).Ok());
    }
}

TEST_F(Movie, DefinitionsTakeIdsInConstructionOrder)
{
    FObjCollection movie;
    delete RedSquare(); // constructed, never added: its id is still used up
    auto* second = RedSquare();
    auto* third = RedSquare();
    movie.Add(third);
    movie.Add(second);
    EXPECT_EQ(second->CharacterId(), 2);
    EXPECT_EQ(third->CharacterId(), 3);
}

TEST_F(Movie, FrameCountAboveTheHeaderLimitIsCappedAndReported)
{
    struct Case {
        U32 frames;
        bool clamped;
        Bytes headerCount;
    };
    for (const Case& c : { Case { 65535, false, hexBytes("FF FF") },
             Case { 65537, true, hexBytes("FF FF") }, Case { 65534, false, hexBytes("FE FF") } }) {
        SCOPED_TRACE(c.frames);
        FObjCollection movie;
        for (U32 i = 0; i < c.frames; ++i)
            movie.Add(new FCTShowFrame());
        EXPECT_EQ(movie.FrameCount(), c.frames);
        EXPECT_EQ(movie.FrameCountClamped(), c.clamped);
        const Bytes file = Save(movie, 0);
        ASSERT_EQ(file.size(), 23u + 2 * c.frames);
        EXPECT_TRUE(sameBytes(Bytes(file.begin() + 19, file.begin() + 21), c.headerCount));
    }
}
