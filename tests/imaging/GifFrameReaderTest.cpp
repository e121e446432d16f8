#include "imaging/GifFrameReader.h"

#include "GifFixture.h"
#include "GifTestSupport.h"
#include "TempFolder.h"
#include "imaging/GifImage.h"

#include <algorithm>
#include <cstring>
#include <gif_lib.h>
#include <gtest/gtest.h>

namespace brindlecast::imaging
{
namespace
{

    using fixtures::GifFixture;
    using fixtures::GifFixtureFrame;

    GifFixture twoFramesLocalTable()
    {
        GifFixture fixture;
        fixture.width = 20;
        fixture.height = 10;
        fixture.globalColors = 16;
        fixture.backgroundIndex = 3;
        fixture.frames = { GifFixtureFrame::at(0, 0, 20, 10), GifFixtureFrame::at(5, 2, 7, 3) };
        fixture.frames[1].localColors = 256;
        return fixture;
    }

    GifFixture transparentAnimation()
    {
        GifFixture fixture = GifFixture::animation(9, 9, 3, 8);
        fixture.frames[0].transparentIndex = 5;
        fixture.frames[0].delay = 12;
        fixture.frames[1].disposal = 2;
        fixture.frames[2].disposal = 3;
        fixture.frames[2].delay = 300;
        return fixture;
    }

    GifFixture withComment()
    {
        GifFixture fixture = GifFixture::animation(4, 4, 2, 2);
        fixture.frames[1].comment = "second frame";
        return fixture;
    }

    GifFixture interlacedOddHeight()
    {
        GifFixture fixture = GifFixture::animation(5, 11, 1, 4);
        fixture.frames[0].interlaced = true;
        return fixture;
    }

    GifFixture noGlobalTable()
    {
        GifFixture fixture;
        fixture.globalColors = 0;
        fixture.frames = { GifFixtureFrame::at(0, 0, 16, 16) };
        fixture.frames[0].localColors = 3;
        return fixture;
    }

    struct ReadCase {
        const char* name;
        GifFixture (*make)();
    };

    const ReadCase kReadCases[] = {
        { "two_frames_local_table", twoFramesLocalTable },
        { "transparent_animation", transparentAnimation },
        { "comment_on_second_frame", withComment },
        { "interlaced_odd_height", interlacedOddHeight },
        { "no_global_table", noGlobalTable },
    };

    // Every value the fixture wrote comes back: screen, tables, positions, graphic control,
    // extensions and the exact raster.
    TEST(GifFrameReader, ReadsBackWhatTheFixtureWrote)
    {
        for (const ReadCase& readCase : kReadCases) {
            SCOPED_TRACE(readCase.name);
            const GifFixture fixture = readCase.make();
            const std::vector<std::uint8_t> bytes = fixtures::encodeGif(fixture);
            auto loaded = GifImage::loadBytes(bytes);
            ASSERT_TRUE(loaded) << loaded.error();
            const GifImage& image = loaded.value();

            EXPECT_EQ(image.screen.width, fixture.width);
            EXPECT_EQ(image.screen.height, fixture.height);
            EXPECT_EQ(image.screen.backgroundIndex, fixture.backgroundIndex);
            const int globalEntries
                = fixture.globalColors > 0 ? fixtures::gifStoredTableSize(fixture.globalColors) : 0;
            EXPECT_EQ(image.screen.globalColorMap, fixtureColorMap(globalEntries, 0));

            ASSERT_EQ(image.frames.size(), fixture.frames.size());
            for (std::size_t i = 0; i < fixture.frames.size(); ++i) {
                SCOPED_TRACE("frame " + std::to_string(i));
                const GifFixtureFrame& want = fixture.frames[i];
                const GifFrame& got = image.frames[i];
                EXPECT_EQ(got.left, want.left);
                EXPECT_EQ(got.top, want.top);
                EXPECT_EQ(got.width, want.width);
                EXPECT_EQ(got.height, want.height);
                EXPECT_EQ(got.interlaced, want.interlaced);
                const int localEntries
                    = want.localColors > 0 ? fixtures::gifStoredTableSize(want.localColors) : 0;
                EXPECT_EQ(
                    got.localColorMap, fixtureColorMap(localEntries, static_cast<int>(i) + 1));
                EXPECT_EQ(got.raster, fixtures::gifFixtureRaster(fixture, static_cast<int>(i)));
                EXPECT_TRUE(got.yieldsBitmap());

                const bool wantsControl = want.transparentIndex || want.delay || want.disposal;
                ASSERT_EQ(got.graphicControl.has_value(), wantsControl);
                if (wantsControl) {
                    EXPECT_EQ(got.graphicControl->transparent, want.transparentIndex.has_value());
                    EXPECT_EQ(got.transparentIndex(),
                        want.transparentIndex ? std::optional<std::uint8_t>(
                            static_cast<std::uint8_t>(*want.transparentIndex))
                                              : std::nullopt);
                    EXPECT_EQ(got.graphicControl->delay, want.delay);
                    EXPECT_EQ(got.graphicControl->disposal, want.disposal);
                }
                EXPECT_EQ(got.hasOtherExtensions(), !want.comment.empty());
                EXPECT_EQ(got.extensions.size(),
                    (wantsControl ? 1U : 0U) + (want.comment.empty() ? 0U : 1U));
            }
        }
    }

    int readFromVector(GifFileType* gif, GifByteType* buffer, int length)
    {
        auto* source
            = static_cast<std::pair<const std::vector<std::uint8_t>*, std::size_t>*>(gif->UserData);
        const std::size_t count
            = std::min(static_cast<std::size_t>(length), source->first->size() - source->second);
        std::memcpy(buffer, source->first->data() + source->second, count);
        source->second += count;
        return static_cast<int>(count);
    }

    // giflib's own whole-file decoding (which also undoes interlacing) is the independent
    // oracle for the rasters.
    TEST(GifFrameReader, RastersMatchGiflibsWholeFileDecoding)
    {
        for (const ReadCase& readCase : kReadCases) {
            SCOPED_TRACE(readCase.name);
            const std::vector<std::uint8_t> bytes = fixtures::encodeGif(readCase.make());
            std::pair<const std::vector<std::uint8_t>*, std::size_t> source { &bytes, 0 };
            int error = 0;
            GifFileType* gif = DGifOpen(&source, readFromVector, &error);
            ASSERT_NE(gif, nullptr);
            ASSERT_EQ(DGifSlurp(gif), GIF_OK);
            auto loaded = GifImage::loadBytes(bytes);
            ASSERT_TRUE(loaded) << loaded.error();
            ASSERT_EQ(loaded.value().frames.size(), static_cast<std::size_t>(gif->ImageCount));
            for (int i = 0; i < gif->ImageCount; ++i) {
                const SavedImage& saved = gif->SavedImages[i];
                const std::vector<std::uint8_t> want(saved.RasterBits,
                    saved.RasterBits + saved.ImageDesc.Width * saved.ImageDesc.Height);
                EXPECT_EQ(loaded.value().frames[static_cast<std::size_t>(i)].raster, want) << i;
            }
            DGifCloseFile(gif, &error);
        }
    }

    TEST(GifFrameReader, ColourMapOfAFramePrefersItsOwnTable)
    {
        auto loaded = GifImage::loadBytes(fixtures::encodeGif(twoFramesLocalTable()));
        ASSERT_TRUE(loaded) << loaded.error();
        const GifImage& image = loaded.value();
        EXPECT_EQ(
            &image.frames[0].colorMap(image.screen.globalColorMap), &image.screen.globalColorMap);
        EXPECT_EQ(
            &image.frames[1].colorMap(image.screen.globalColorMap), &image.frames[1].localColorMap);
    }

    TEST(GifFrameReader, BackgroundColourIsTheGlobalEntryAsBgr)
    {
        GifFixture fixture = GifFixture::animation(2, 2, 1, 4);
        fixture.backgroundIndex = 2;
        auto reader = GifFrameReader::openBytes(fixtures::encodeGif(fixture));
        ASSERT_TRUE(reader) << reader.error();
        const fixtures::FixtureRgb rgb = fixtures::patternColor(2, 0);
        EXPECT_EQ(reader.value().screen().backgroundColor(),
            std::uint32_t { rgb.red } | std::uint32_t { rgb.green } << 8
                | std::uint32_t { rgb.blue } << 16);

        fixture.backgroundIndex = 200; // past the 4-entry table
        auto past = GifFrameReader::openBytes(fixtures::encodeGif(fixture));
        ASSERT_TRUE(past) << past.error();
        EXPECT_EQ(past.value().screen().backgroundColor(), 0U);
    }

    // The size pass opens a file and asks for its screen: nothing after the header is read, so
    // a file whose frames are damaged still gives its size.
    TEST(GifFrameReader, OpeningReadsOnlyTheHeader)
    {
        const GifFixture fixture = GifFixture::animation(300, 200, 2, 256);
        std::vector<std::uint8_t> bytes = fixtures::encodeGif(fixture);
        bytes.resize(13 + 3 * 256 + 20); // header, global table and a little of frame 1

        auto reader = GifFrameReader::openBytes(bytes);
        ASSERT_TRUE(reader) << reader.error();
        EXPECT_EQ(reader.value().screen().width, 300);
        EXPECT_EQ(reader.value().screen().height, 200);
        EXPECT_FALSE(reader.value().next());
    }

    TEST(GifFrameReader, HandsOverOneFrameAtATime)
    {
        const GifFixture fixture = GifFixture::animation(6, 4, 3, 4);
        testsupport::TempFolder folder;
        fixtures::writeGif(folder / "three_frames.gif", fixture);

        auto opened = GifFrameReader::open(folder / "three_frames.gif");
        ASSERT_TRUE(opened) << opened.error();
        GifFrameReader& reader = opened.value();
        for (int k = 0; k < 3; ++k) {
            auto more = reader.hasNext();
            ASSERT_TRUE(more && more.value());
            auto frame = reader.next();
            ASSERT_TRUE(frame && frame.value()) << k;
            EXPECT_EQ(frame.value()->raster, fixtures::gifFixtureRaster(fixture, k));
            EXPECT_EQ(reader.framesRead(), k + 1);
        }
        auto more = reader.hasNext();
        ASSERT_TRUE(more);
        EXPECT_FALSE(more.value());
        auto end = reader.next();
        ASSERT_TRUE(end);
        EXPECT_FALSE(end.value().has_value());
    }

    TEST(GifFrameReader, FileThatEndsWithoutTrailerLosesNoFrame)
    {
        std::vector<std::uint8_t> bytes = fixtures::encodeGif(GifFixture::animation(4, 4, 2, 2));
        ASSERT_EQ(bytes.back(), 0x3B);
        bytes.pop_back();
        auto loaded = GifImage::loadBytes(bytes);
        ASSERT_TRUE(loaded) << loaded.error();
        EXPECT_EQ(loaded.value().frames.size(), 2U);
    }

} // namespace
} // namespace brindlecast::imaging
