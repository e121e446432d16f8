#include "sdk/FLosslessData.h"

#include "sdk/FCheck.h"
#include "sdk/FCompressionPool.h"
#include "sdk/FReusableDeflater.h"

#include <span>

namespace
{

struct LosslessInput {
    std::span<const U8> table;
    std::span<const U8> pixels;
};

LosslessInput Input(U8 format, U16 width, U16 height, U32 colorTableSize, const void* colorTable,
    const void* pixels, U8 withAlpha)
{
    // 2^format bits per pixel: 8, 16 or 32 at most.
    F_CHECK(format <= 5, "format <= 5");
    const std::size_t tableBytes = std::size_t { withAlpha ? 4u : 3u } * colorTableSize;
    const std::size_t pixelBytes
        = (std::size_t { width } * height * (std::size_t { 1 } << format) + 7) / 8;
    F_CHECK(tableBytes == 0 || colorTable != nullptr, "tableBytes == 0 || colorTable");
    F_CHECK(pixelBytes == 0 || pixels != nullptr, "pixelBytes == 0 || pixels");
    return { { static_cast<const U8*>(colorTable), tableBytes },
        { static_cast<const U8*>(pixels), pixelBytes } };
}

// Each thread keeps one zlib stream for all the bitmaps it compresses.
FReusableDeflater& ThreadDeflater()
{
    thread_local FReusableDeflater deflater(Z_DEFAULT_COMPRESSION);
    return deflater;
}

} // namespace

std::vector<U8> FCompressLosslessData(U8 format, U16 width, U16 height, U32 colorTableSize,
    const void* colorTable, const void* pixels, U8 withAlpha)
{
    const LosslessInput input
        = Input(format, width, height, colorTableSize, colorTable, pixels, withAlpha);
    // Table and pixels go in as one zlib input without being copied together first.
    return ThreadDeflater().Compress({ input.table, input.pixels });
}

std::future<std::vector<U8>> FCompressLosslessDataLater(FCompressionPool& pool, U8 format,
    U16 width, U16 height, U32 colorTableSize, const void* colorTable, const void* pixels,
    U8 withAlpha)
{
    const LosslessInput input
        = Input(format, width, height, colorTableSize, colorTable, pixels, withAlpha);
    std::vector<U8> work;
    work.reserve(input.table.size() + input.pixels.size());
    work.insert(work.end(), input.table.begin(), input.table.end());
    work.insert(work.end(), input.pixels.begin(), input.pixels.end());
    return pool.Submit(
        [work = std::move(work)] { return ThreadDeflater().Compress({ std::span(work) }); });
}
