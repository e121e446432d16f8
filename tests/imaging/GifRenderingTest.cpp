#include "imaging/GifRendering.h"

#include "imaging/GifAnimationComposer.h"

#include <gtest/gtest.h>

namespace brindlecast::imaging
{
namespace
{

    // Four colours whose pixels are easy to tell apart; index 9 lies past the table.
    const GifColorMap kGlobal = { { 10, 11, 12 }, { 20, 21, 22 }, { 30, 31, 32 }, { 40, 41, 42 } };
    constexpr int kPast = 9;
    constexpr int kClear = -1; // a transparent canvas pixel

    GifFrame rowFrame(int left, std::vector<std::uint8_t> raster, int disposal = 0,
        std::optional<std::uint8_t> transparent = std::nullopt)
    {
        GifFrame frame;
        frame.left = left;
        frame.width = static_cast<int>(raster.size());
        frame.height = 1;
        frame.raster = std::move(raster);
        if (disposal != 0 || transparent) {
            GifGraphicControl control;
            control.disposal = disposal;
            control.transparent = transparent.has_value();
            control.transparentIndex = transparent.value_or(0);
            frame.graphicControl = control;
        }
        return frame;
    }

    // A picture as global colour indices, kClear where it is transparent.
    std::vector<int> asIndices(const RgbaImage& image)
    {
        std::vector<int> indices;
        for (std::size_t i = 0; i < image.pixels.size(); i += 4) {
            if (image.pixels[i + 3] == 0) {
                EXPECT_EQ(image.pixels[i] | image.pixels[i + 1] | image.pixels[i + 2], 0);
                indices.push_back(kClear);
                continue;
            }
            EXPECT_EQ(image.pixels[i + 3], 255);
            const GifColor color { image.pixels[i], image.pixels[i + 1], image.pixels[i + 2] };
            const auto found = std::find(kGlobal.begin(), kGlobal.end(), color);
            indices.push_back(
                found == kGlobal.end() ? 99 : static_cast<int>(found - kGlobal.begin()));
        }
        return indices;
    }

    TEST(GifRendering, FrameAloneAtItsOwnSize)
    {
        GifFrame frame = rowFrame(7, { 0, 3, 2, kPast, 1 }, 0, 2);
        frame.top = 5;
        const RgbaImage image = renderGifFrame(frame, kGlobal);
        EXPECT_EQ(image.width, 5);
        EXPECT_EQ(image.height, 1);
        EXPECT_EQ(asIndices(image), (std::vector<int> { 0, 3, kClear, kClear, 1 }));
    }

    TEST(GifRendering, LocalTableReplacesTheGlobalOne)
    {
        GifFrame frame = rowFrame(0, { 0, 1, 2 });
        frame.localColorMap = { kGlobal[3], kGlobal[2] };
        EXPECT_EQ(asIndices(renderGifFrame(frame, kGlobal)), (std::vector<int> { 3, 2, kClear }));
    }

    struct ComposeCase {
        const char* name;
        std::vector<GifFrame> frames;
        std::vector<std::vector<int>> screens; // the screen after each frame
    };

    TEST(GifAnimationComposer, AppliesOffsetsTransparencyAndDisposal)
    {
        const ComposeCase cases[] = {
            { "keep leaves the frame for the next one",
                { rowFrame(0, { 1, 2, 3 }, 1), rowFrame(1, { 0 }) }, { { 1, 2, 3 }, { 1, 0, 3 } } },
            { "unspecified disposal keeps too", { rowFrame(0, { 1, 2, 3 }, 0), rowFrame(2, { 0 }) },
                { { 1, 2, 3 }, { 1, 2, 0 } } },
            { "restore background clears the frame's area only",
                { rowFrame(0, { 1, 2 }, 2), rowFrame(2, { 0 }) },
                { { 1, 2, kClear }, { kClear, kClear, 0 } } },
            { "restore previous brings back what was under the frame",
                { rowFrame(0, { 1, 2, 3 }), rowFrame(0, { 0 }, 3), rowFrame(2, { 1 }) },
                { { 1, 2, 3 }, { 0, 2, 3 }, { 1, 2, 1 } } },
            { "transparent pixels and indices past the table show what lies under them",
                { rowFrame(0, { 1, 2, 3 }), rowFrame(0, { 0, 3, kPast }, 0, 3) },
                { { 1, 2, 3 }, { 0, 2, 3 } } },
            { "parts outside the screen are clipped",
                { rowFrame(2, { 1, 2, 3 }), rowFrame(5, { 0 }, 2), rowFrame(0, { 3 }) },
                { { kClear, kClear, 1 }, { kClear, kClear, 1 }, { 3, kClear, 1 } } },
            { "a frame without a picture changes nothing",
                { rowFrame(0, { 1, 2, 3 }), rowFrame(0, {}) }, { { 1, 2, 3 }, { 1, 2, 3 } } },
        };
        GifScreen screen;
        screen.width = 3;
        screen.height = 1;
        screen.globalColorMap = kGlobal;
        for (const ComposeCase& composeCase : cases) {
            SCOPED_TRACE(composeCase.name);
            auto composer = GifAnimationComposer::create(screen);
            ASSERT_TRUE(composer) << composer.error();
            for (std::size_t i = 0; i < composeCase.frames.size(); ++i) {
                const RgbaImage& shown = composer.value().compose(composeCase.frames[i]);
                EXPECT_EQ(shown.width, 3);
                EXPECT_EQ(asIndices(shown), composeCase.screens[i]) << "after frame " << i + 1;
            }
        }
    }

    TEST(GifAnimationComposer, ComposesRowsAtTheirOffset)
    {
        GifScreen screen;
        screen.width = 3;
        screen.height = 3;
        screen.globalColorMap = kGlobal;
        GifFrame frame;
        frame.left = 1;
        frame.top = 1;
        frame.width = 2;
        frame.height = 2;
        frame.raster = { 0, 1, 2, 3 };
        auto composer = GifAnimationComposer::create(screen);
        ASSERT_TRUE(composer) << composer.error();
        EXPECT_EQ(asIndices(composer.value().compose(frame)),
            (std::vector<int> { kClear, kClear, kClear, kClear, 0, 1, kClear, 2, 3 }));
    }

} // namespace
} // namespace brindlecast::imaging
