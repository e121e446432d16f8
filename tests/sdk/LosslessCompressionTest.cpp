#include "ByteVectors.h"
#include "sdk/FCompressionPool.h"
#include "sdk/FDT.h"
#include "sdk/FDTDefineBitsLossless.h"
#include "sdk/FLosslessData.h"
#include "sdk/FSWFStream.h"

#include <atomic>
#include <chrono>
#include <memory>
#include <stdexcept>
#include <zlib.h>

using namespace sdktest;

namespace
{

// Noise with runs, so that the data compresses like a picture: matches and literals both.
Bytes Picture(std::size_t n, std::uint32_t seed)
{
    Bytes bytes(n);
    std::uint32_t state = seed;
    for (std::size_t i = 0; i < n; ++i) {
        state = state * 1664525u + 1013904223u;
        bytes[i] = (state >> 28) < 10 && i > 0 ? bytes[i - 1] : static_cast<U8>(state >> 24);
    }
    return bytes;
}

// What the bitmap's data must be: compress2 at the default level over table then pixels.
Bytes Reference(const Bytes& table, const Bytes& pixels)
{
    const Bytes input = concat({ table, pixels });
    uLongf length = compressBound(input.size());
    Bytes out(length);
    EXPECT_EQ(
        compress2(out.data(), &length, input.data(), input.size(), Z_DEFAULT_COMPRESSION), Z_OK);
    out.resize(length);
    return out;
}

struct LosslessCase {
    const char* name;
    U8 format;
    U16 width;
    U16 height;
    U32 tableEntries;
    U8 withAlpha;
};

const LosslessCase kCases[] = {
    { "4 x 1 with a 2-entry table", 3, 4, 1, 2, 1 },
    { "direct colour, no table", 5, 16, 9, 0, 1 },
    { "table without alpha", 3, 8, 8, 256, 0 },
    { "320 x 240 frame", 3, 320, 240, 256, 1 },
    { "640 x 480 frame, many deflate blocks", 3, 640, 480, 256, 1 },
    // Past the output room the compressor keeps between calls.
    { "2048 x 2048 frame", 3, 2048, 2048, 256, 1 },
    { "empty bitmap", 3, 0, 0, 256, 1 },
    { "320 x 240 frame again", 3, 320, 240, 256, 1 },
};

Bytes Table(const LosslessCase& c)
{
    return Picture(std::size_t { c.withAlpha ? 4u : 3u } * c.tableEntries, c.width);
}

Bytes Pixels(const LosslessCase& c)
{
    return Picture((std::size_t { c.width } * c.height * (1u << c.format) + 7) / 8, c.height + 1u);
}

TEST(LosslessCompression, EqualsCompress2OverTableThenPixels)
{
    // One compressor serves every case in turn: each runs on a stream used before, and the
    // last ones after the large output room has been released.
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.name);
        const Bytes table = Table(c), pixels = Pixels(c);
        EXPECT_TRUE(sameBytes(FCompressLosslessData(c.format, c.width, c.height, c.tableEntries,
                                  table.data(), pixels.data(), c.withAlpha),
            Reference(table, pixels)));
    }
}

TEST(LosslessCompression, PoolGivesTheSameBytesAfterTheCallerFreedItsBuffers)
{
    FCompressionPool pool(2, 3);
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.name);
        Bytes table = Table(c), pixels = Pixels(c);
        const Bytes want = Reference(table, pixels);
        auto later = FCompressLosslessDataLater(pool, c.format, c.width, c.height, c.tableEntries,
            table.data(), pixels.data(), c.withAlpha);
        Bytes().swap(table);
        Bytes().swap(pixels);
        EXPECT_TRUE(sameBytes(later.get(), want));
    }
}

Bytes Written(FObj& tag)
{
    FSWFStream stream;
    tag.Write(stream);
    return Contents(stream);
}

TEST(LosslessCompression, TagsBuiltOnAPoolKeepTheirIdsAndBytes)
{
    ResetCharacterIds();
    const LosslessCase& c = kCases[3];
    Bytes table = Table(c), pixels = Pixels(c);
    FDTDefineBitsLossless2Zell direct(
        c.format, c.width, c.height, 256, table.data(), pixels.data());
    FCompressionPool pool(2, 2);
    FDTDefineBitsLossless2Zell first(
        c.format, c.width, c.height, 256, table.data(), pixels.data(), &pool);
    FDTDefineBitsLossless2Zell second(
        c.format, c.width, c.height, 256, table.data(), pixels.data(), &pool);
    std::fill(pixels.begin(), pixels.end(), U8 { 0 });

    EXPECT_EQ(direct.CharacterId(), 1);
    EXPECT_EQ(first.CharacterId(), 2);
    EXPECT_EQ(second.CharacterId(), 3);
    Bytes want = Written(direct);
    for (FDTDefineBitsLossless2Zell* tag : { &first, &second }) {
        want[6] = static_cast<U8>(tag->CharacterId()); // the long header's 6 bytes, then the id
        EXPECT_TRUE(sameBytes(Written(*tag), want));
        EXPECT_TRUE(sameBytes(Written(*tag), want)) << "written a second time";
    }
    ResetCharacterIds();
}

TEST(CompressionPool, EachFutureGetsItsOwnJobsResult)
{
    FCompressionPool pool(3, 4);
    std::vector<std::future<std::vector<U8>>> results;
    for (U8 i = 0; i < 50; ++i)
        results.push_back(pool.Submit([i] { return Bytes(i % 7 + 1u, i); }));
    for (U8 i = 0; i < 50; ++i)
        EXPECT_EQ(results[i].get(), Bytes(i % 7 + 1u, i)) << "job " << int { i };
}

TEST(CompressionPool, DestructionFinishesTheJobsAlreadySubmitted)
{
    std::atomic<int> ran = 0;
    std::vector<std::future<std::vector<U8>>> results;
    {
        FCompressionPool pool(1, 8);
        for (int i = 0; i < 8; ++i)
            results.push_back(pool.Submit([&ran] {
                ++ran;
                return Bytes { 1 };
            }));
    }
    EXPECT_EQ(ran.load(), 8);
    for (auto& result : results)
        EXPECT_EQ(result.wait_for(std::chrono::seconds(0)), std::future_status::ready);
}

TEST(CompressionPool, FailureOfAJobReachesItsResult)
{
    FCompressionPool pool(1, 2);
    auto failing = pool.Submit([]() -> Bytes { throw std::bad_alloc(); });
    auto fine = pool.Submit([] { return Bytes { 7 }; });
    EXPECT_THROW(failing.get(), std::bad_alloc);
    EXPECT_EQ(fine.get(), Bytes { 7 });
}

TEST(CompressionPool, AJobsInputIsReleasedOnceItHasRun)
{
    // A long movie keeps every result until it is written; the inputs must not stay with them.
    FCompressionPool pool(1, 2);
    auto input = std::make_shared<Bytes>(1000, U8 { 5 });
    std::weak_ptr<Bytes> watch = input;
    auto result = pool.Submit([input = std::move(input)] { return *input; });
    result.wait();
    EXPECT_EQ(pool.Submit([] { return Bytes {}; }).get(), Bytes {}); // the first job is done
    EXPECT_TRUE(watch.expired());
    EXPECT_EQ(result.get(), Bytes(1000, U8 { 5 }));
}

TEST(CompressionPool, SubmitWaitsWhileTheWindowIsFull)
{
    FCompressionPool pool(1, 2);
    std::promise<void> release;
    std::shared_future<void> released = release.get_future().share();
    auto blocked = pool.Submit([released] {
        released.wait();
        return Bytes { 1 };
    });
    auto queued = pool.Submit([] { return Bytes { 2 }; });
    // The window holds the running and the queued job: a third must wait for a free place.
    auto third = std::async(
        std::launch::async, [&pool] { return pool.Submit([] { return Bytes { 3 }; }).get(); });
    EXPECT_EQ(third.wait_for(std::chrono::milliseconds(200)), std::future_status::timeout);
    release.set_value();
    EXPECT_EQ(third.get(), Bytes { 3 });
    EXPECT_EQ(blocked.get(), Bytes { 1 });
    EXPECT_EQ(queued.get(), Bytes { 2 });
}

} // namespace
