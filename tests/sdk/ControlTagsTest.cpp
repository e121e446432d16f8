#include "ByteVectors.h"
#include "sdk/FCTExportAssets.h"
#include "sdk/FCTPlaceObject2.h"
#include "sdk/FColor.h"
#include "sdk/FControlTags.h"
#include "sdk/FMatrix.h"
#include "sdk/FObjCollection.h"
#include "sdk/FSWFStream.h"
#include "sdk/FString.h"

using namespace sdktest;

namespace
{

void Export(FSWFStream& stream, std::initializer_list<std::pair<U16, const char*>> items)
{
    FCTExportAssets tag;
    for (const auto& [id, name] : items)
        tag.AddAsset(new FCTAssetItem(id, new FString(name)));
    tag.Write(stream);
}

} // namespace

TEST(ControlTags, WireForms)
{
    CheckVectors({
        { "place a character with identity matrix and ratio 0",
            [](auto& s) {
                FCTPlaceObject2(0, 1, 1, 0, 1, 2, new FMatrix(), nullptr, 0, nullptr, 0).Write(s);
            },
            hexBytes("88 06 16 01 00 02 00 00 00 00") },
        { "place with a name before the clip depth",
            [](auto& s) {
                FCTPlaceObject2(1, 0, 1, 0, 3, 4, new FMatrix(), nullptr, 0, new FString("ab"), 5)
                    .Write(s);
            },
            hexBytes("8B 06 66 03 00 04 00 00 61 62 00 05 00") },
        { "move the character at a depth, nothing else",
            [](auto& s) {
                FCTPlaceObject2(0, 0, 0, 1, 7, 9, nullptr, nullptr, 0, nullptr, 0).Write(s);
            },
            hexBytes("83 06 01 07 00") },
        { "remove", [](auto& s) { FCTRemoveObject(2, 1).Write(s); },
            hexBytes("44 01 02 00 01 00") },
        { "white background, alpha never written",
            [](auto& s) {
                auto* white = new FColorZell(255, 255, 255);
                white->SetWriteAlpha(true);
                FCTSetBackgroundColor(white).Write(s);
            },
            hexBytes("43 02 FF FF FF") },
        { "show frame", [](auto& s) { FCTShowFrame().Write(s); }, hexBytes("40 00") },
        { "export of one asset",
            [](auto& s) {
                Export(s, { { 1, "a" } });
            },
            hexBytes("06 0E 01 00 01 00 61 00") },
        { "export of two assets",
            [](auto& s) {
                Export(s, { { 1, "pic1" }, { 3, "pic2" } });
            },
            hexBytes("10 0E 02 00 01 00 70 69 63 31 00 03 00 70 69 63 32 00") },
        { "export of nothing", [](auto& s) { Export(s, {}); }, hexBytes("02 0E 00 00") },
    });
}

TEST(ControlTags, OnlyShowFrameCountsFrames)
{
    FObjCollection movie;
    movie.Add(new FCTSetBackgroundColor(new FColorZell(0, 0, 0)));
    movie.Add(new FCTShowFrame());
    movie.Add(new FCTRemoveObject(1, 1));
    movie.Add(new FCTShowFrame());
    EXPECT_EQ(movie.FrameCount(), 2u);
    EXPECT_FALSE(movie.FrameCountClamped());
}
