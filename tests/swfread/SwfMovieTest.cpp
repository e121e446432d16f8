#include "swfread/SwfMovie.h"

#include "SwfTestBytes.h"

#include <gtest/gtest.h>

namespace brindlecast::swfread::test
{
namespace
{

    TEST(SwfMovie, ReadsTheOutlinedSquareMovie)
    {
        const Bytes bytes = hexBytes("46 57 53 06 4A 00 00 00 80 00 00 4B 00 00 00 4B 00 00 0C 01 "
                                     "00 43 02 FF FF FF A0 00 01 "
                                     "00 47 B3 77 B3 70 01 00 FF 00 00 01 14 00 00 00 00 11 35 0C "
                                     "80 1E CB 26 C4 E6 CC E6 C3 "
                                     "20 00 88 06 16 01 00 01 00 00 00 00 40 00 00 00");
        const auto read = readSwfBytes(bytes, "square.swf");
        ASSERT_TRUE(read) << read.error();
        const SwfMovie& movie = read.value();

        EXPECT_EQ(
            movie.header, (SwfHeader { "FWS", 6, 74, { 16, 0, 2400, 0, 2400 }, 0x0C00, 1, 21 }));
        std::vector<uint16_t> codes;
        for (const SwfTag& tag : movie.tags)
            codes.push_back(tag.code);
        EXPECT_EQ(codes, (std::vector<uint16_t> { 9, 2, 26, 1, 0 }));
        EXPECT_EQ(movie.backgroundColor, (SwfColor { 255, 255, 255 }));
        EXPECT_TRUE(movie.exports.empty());

        ASSERT_EQ(movie.characters.size(), 1u);
        const SwfShape* shape = movie.character<SwfShape>(1);
        ASSERT_NE(shape, nullptr);
        EXPECT_EQ(shape->bounds, (SwfRect { 8, -10, 110, -10, 110 }));
        ASSERT_EQ(shape->fillStyles.size(), 1u);
        EXPECT_EQ(shape->fillStyles[0].color, (SwfColor { 255, 0, 0 }));
        EXPECT_EQ(shape->records.size(), 6u);
        EXPECT_EQ(movie.character<SwfButton>(1), nullptr);

        ASSERT_EQ(movie.timeline.frameCount(), 1u);
        SwfDisplayObject square;
        square.depth = 1;
        square.characterId = 1;
        EXPECT_EQ(movie.timeline.frame(0), SwfDisplayList { square });
        EXPECT_TRUE(movie.timeline.frame(1).empty());
    }

    Bytes placeNew(uint8_t depth, uint8_t id)
    {
        return { 0x88, 0x06, 0x16, depth, 0, id, 0, 0x00, 0, 0 };
    }
    Bytes swapCharacter(uint8_t depth, uint8_t id)
    {
        return { 0x85, 0x06, 0x03, depth, 0, id, 0 };
    }
    Bytes moveBy200(uint8_t depth)
    {
        return { 0x87, 0x06, 0x05, depth, 0, 0x12, 0xC8, 0xCE, 0x00 };
    }
    Bytes removeAt(uint8_t depth, uint8_t id)
    {
        return { 0x44, 0x01, id, 0, depth, 0 };
    }
    const Bytes kShow { 0x40, 0x00 };

    using Frame = std::vector<std::pair<uint16_t, uint16_t>>; // depth, character

    TEST(SwfMovie, BuildsTheDisplayListOfEveryFrame)
    {
        const struct {
            const char* name;
            Bytes tags;
            std::vector<Frame> frames;
        } cases[] = {
            { "picture after picture on one depth",
                concat({ placeNew(1, 1), kShow, kShow, removeAt(1, 1), placeNew(1, 2), kShow }),
                { { { 1, 1 } }, { { 1, 1 } }, { { 1, 2 } } } },
            { "link button above the picture", concat({ placeNew(1, 1), placeNew(2, 9), kShow }),
                { { { 1, 1 }, { 2, 9 } } } },
            { "listed by depth, not by placement order",
                concat({ placeNew(3, 5), placeNew(1, 6), placeNew(2, 7), kShow }),
                { { { 1, 6 }, { 2, 7 }, { 3, 5 } } } },
            { "a new character replaces the one on its depth",
                concat({ placeNew(1, 1), placeNew(1, 2), kShow }), { { { 1, 2 } } } },
            { "a move swaps the character", concat({ placeNew(1, 1), swapCharacter(1, 3), kShow }),
                { { { 1, 3 } } } },
            { "on an empty depth a move places its character and moves nothing else",
                concat({ swapCharacter(4, 3), moveBy200(1), kShow }), { { { 4, 3 } } } },
            { "removing from an empty depth changes nothing",
                concat({ placeNew(1, 1), removeAt(2, 1), kShow }), { { { 1, 1 } } } },
            { "removal takes the depth whatever the id",
                concat({ placeNew(1, 1), removeAt(1, 7), kShow }), { {} } },
            { "changes after the last frame belong to no frame", concat({ kShow, placeNew(1, 1) }),
                { {} } },
            { "no show-frame, no frame", concat({ placeNew(1, 1) }), {} },
        };
        for (const auto& c : cases) {
            SCOPED_TRACE(c.name);
            const auto movie = readSwfBytes(fwsMovie(c.tags), c.name);
            ASSERT_TRUE(movie) << movie.error();
            const SwfTimeline& timeline = movie.value().timeline;
            std::vector<Frame> frames;
            for (size_t i = 0; i < timeline.frameCount(); ++i) {
                Frame frame;
                for (const SwfDisplayObject& object : timeline.frame(i))
                    frame.emplace_back(object.depth, object.characterId);
                frames.push_back(frame);
            }
            EXPECT_EQ(frames, c.frames);
        }
    }

    TEST(SwfMovie, MoveKeepsWhatItDoesNotChange)
    {
        const auto movie = readSwfBytes(fwsMovie(
            concat({ placeNew(1, 1), kShow, moveBy200(1), kShow, swapCharacter(1, 2), kShow })));
        ASSERT_TRUE(movie) << movie.error();
        const SwfTimeline& timeline = movie.value().timeline;
        ASSERT_EQ(timeline.frameCount(), 3u);
        EXPECT_EQ(timeline.objectAt(0, 1)->matrix.translateX, 0);
        for (size_t frame : { 1u, 2u }) {
            const SwfDisplayObject* object = timeline.objectAt(frame, 1);
            ASSERT_NE(object, nullptr);
            EXPECT_EQ(object->matrix.translateX, 200);
            EXPECT_EQ(object->matrix.translateY, -100);
            EXPECT_EQ(object->ratio, 0);
        }
        EXPECT_EQ(timeline.objectAt(1, 1)->characterId, 1);
        EXPECT_EQ(timeline.objectAt(2, 1)->characterId, 2);
        EXPECT_EQ(timeline.objectAt(2, 2), nullptr);
    }

    TEST(SwfMovie, KeepsTheFirstDefinitionOfAnId)
    {
        const Bytes first = hexBytes("8E 08 02 00 00 00 00 01 01 00 01 00 00 44 00 00");
        const Bytes second = hexBytes("86 08 02 00 00 00 00 00");
        const auto movie = readSwfBytes(fwsMovie(concat({ first, second })));
        ASSERT_TRUE(movie) << movie.error();
        ASSERT_NE(movie.value().character<SwfButton>(2), nullptr);
        EXPECT_EQ(movie.value().character<SwfButton>(2)->actionOffset, 0);
        EXPECT_EQ(movie.value().character<SwfButton>(2)->records.size(), 1u);
    }

    TEST(SwfMovie, NamesTheBrokenTag)
    {
        const auto movie
            = readSwfBytes(fwsMovie(concat({ kShow, hexBytes("83 06 16 01 00") })), "cut.swf");
        ASSERT_FALSE(movie);
        EXPECT_EQ(movie.error(),
            "cut.swf: tag 1 (code 26) at offset 21: a record runs past the end of the tag (at byte "
            "3)");
    }

    TEST(SwfMovie, LimitsTheStoredDisplayLists)
    {
        // Each frame adds one object to a growing list: the lists' sum grows quadratically.
        Bytes tags;
        for (int depth = 0; depth < 1500; ++depth) {
            tags.insert(tags.end(),
                { 0x88, 0x06, 0x16, static_cast<uint8_t>(depth), static_cast<uint8_t>(depth >> 8),
                    1, 0, 0, 0, 0 });
            tags.insert(tags.end(), kShow.begin(), kShow.end());
        }
        const auto movie = readSwfBytes(fwsMovie(tags), "grow.swf");
        ASSERT_FALSE(movie);
        EXPECT_TRUE(contains(
            movie.error(), "the display lists of the frames hold more than 1048576 objects"));
    }

} // namespace
} // namespace brindlecast::swfread::test
