// Writes a movie of 2000 frames holding 200 lossless 320 x 240 bitmaps, the way the one-movie
// mode packs them, and prints the time taken and the peak memory.
//   brindlecast-bench-writer [OUTPUT.swf]   (default: a file in the temporary folder, removed)

#include "sdk/FCTPlaceObject2.h"
#include "sdk/FColor.h"
#include "sdk/FControlTags.h"
#include "sdk/FDTDefineBitsLossless.h"
#include "sdk/FDTDefineShapeZell.h"
#include "sdk/FFillStyles.h"
#include "sdk/FMatrix.h"
#include "sdk/FObjCollection.h"
#include "sdk/FRect.h"
#include "sdk/FShapeRecords.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <sys/resource.h>
#include <vector>

namespace
{

constexpr int kPictures = 200;
constexpr int kFramesPerPicture = 10;
constexpr U16 kWidth = 320;
constexpr U16 kHeight = 240;
constexpr S32 kTwips = 20;

// A picture like a GIF frame: smooth bands with a sprinkle of noise, 256 colours.
void PaintPicture(int picture, std::vector<U8>& table, std::vector<U8>& pixels)
{
    for (std::size_t entry = 0; entry < 256; ++entry) {
        table[entry * 4 + 0] = static_cast<U8>(entry);
        table[entry * 4 + 1] = static_cast<U8>(255 - entry);
        table[entry * 4 + 2] = static_cast<U8>(entry * 3 + static_cast<std::size_t>(picture));
        table[entry * 4 + 3] = 255;
    }
    U32 seed = static_cast<U32>(picture) * 7919u + 1;
    for (std::size_t y = 0; y < kHeight; ++y) {
        for (std::size_t x = 0; x < kWidth; ++x) {
            seed = seed * 1103515245u + 12345u;
            const bool noisy = (seed >> 24) < 16;
            pixels[y * kWidth + x] = static_cast<U8>(
                noisy ? seed >> 16 : (x / 8 + y / 6 + static_cast<std::size_t>(picture)));
        }
    }
}

FDTDefineShapeZell* PictureShape(U16 bitmapId)
{
    const S32 w = kWidth * kTwips;
    const S32 h = kHeight * kTwips;
    auto* shape = new FDTDefineShapeZell(new FRect(0, 0, w, h));
    shape->AddFillStyle(new FFillStyleBitmapZell(0, bitmapId));
    shape->FinishStyleArrays();
    shape->AddShapeRecord(new FShapeRecChange(0, 0, 1, 0, 0, 0, 0, 0, 1, 0, nullptr, nullptr));
    shape->AddShapeRecord(new FShapeRecEdgeStraight(0, h));
    shape->AddShapeRecord(new FShapeRecEdgeStraight(w, 0));
    shape->AddShapeRecord(new FShapeRecEdgeStraight(0, -h));
    shape->AddShapeRecord(new FShapeRecEdgeStraight(-w, 0));
    shape->AddShapeRecord(new FShapeRecEnd());
    return shape;
}

double SecondsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

} // namespace

int main(int argc, char** argv)
{
    const std::string output = argc > 1
        ? argv[1]
        : (std::filesystem::temp_directory_path() / "brindlecast-bench-writer.swf").string();

    const auto start = std::chrono::steady_clock::now();
    FObjCollection movie;
    movie.Add(new FCTSetBackgroundColor(new FColorZell(255, 255, 255)));
    std::vector<U8> table(256 * 4);
    std::vector<U8> pixels(std::size_t { kWidth } * kHeight);
    U16 previousShape = 0;
    for (int picture = 0; picture < kPictures; ++picture) {
        PaintPicture(picture, table, pixels);
        auto* bitmap
            = new FDTDefineBitsLossless2Zell(3, kWidth, kHeight, 256, table.data(), pixels.data());
        movie.Add(bitmap);
        auto* shape = PictureShape(bitmap->CharacterId());
        movie.Add(shape);
        if (previousShape != 0)
            movie.Add(new FCTRemoveObject(previousShape, 1));
        movie.Add(new FCTPlaceObject2(
            0, 1, 1, 0, 1, shape->CharacterId(), new FMatrix(), nullptr, 0, nullptr, 0));
        previousShape = shape->CharacterId();
        for (int frame = 0; frame < kFramesPerPicture; ++frame)
            movie.Add(new FCTShowFrame());
    }
    const double buildSeconds = SecondsSince(start);

    const auto saveStart = std::chrono::steady_clock::now();
    const FSaveResult result
        = movie.SaveMovie(output.c_str(), 1, kWidth * kTwips, kHeight * kTwips, 12);
    const double saveSeconds = SecondsSince(saveStart);
    if (!result) {
        std::fprintf(stderr, "brindlecast-bench-writer: %s\n", result.Error().c_str());
        return 1;
    }
    const auto fileBytes = std::filesystem::file_size(output);
    if (argc <= 1)
        std::filesystem::remove(output);

    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("movie: %u frames, %d lossless bitmaps of %u x %u, compressed file %ju bytes\n",
        movie.FrameCount(), kPictures, kWidth, kHeight, static_cast<std::uintmax_t>(fileBytes));
    std::printf("build (bitmap compression included): %.3f s\n", buildSeconds);
    std::printf("save (deflate level 9 and write): %.3f s\n", saveSeconds);
    std::printf("total: %.3f s\n", buildSeconds + saveSeconds);
    std::printf("peak resident memory: %ld KiB\n", usage.ru_maxrss);
    return 0;
}
