#include "sdk/FLosslessData.h"

#include "sdk/FCheck.h"

#include <cstring>
#include <zlib.h>

std::vector<U8> FCompressLosslessData(U8 format, U16 width, U16 height, U32 colorTableSize,
    const void* colorTable, const void* pixels, U8 withAlpha)
{
    // 2^format bits per pixel: 8, 16 or 32 at most.
    F_CHECK(format <= 5, "format <= 5");
    const std::size_t tableBytes = std::size_t { withAlpha ? 4u : 3u } * colorTableSize;
    const std::size_t pixelBytes
        = (std::size_t { width } * height * (std::size_t { 1 } << format) + 7) / 8;
    const std::size_t total = tableBytes + pixelBytes;

    F_CHECK(tableBytes == 0 || colorTable != nullptr, "tableBytes == 0 || colorTable");
    F_CHECK(pixelBytes == 0 || pixels != nullptr, "pixelBytes == 0 || pixels");

    // Table and pixels form one zlib input.
    std::vector<U8> work(total);
    if (tableBytes != 0)
        std::memcpy(work.data(), colorTable, tableBytes);
    if (pixelBytes != 0)
        std::memcpy(work.data() + tableBytes, pixels, pixelBytes);

    uLongf compressedLength = compressBound(total);
    std::vector<U8> compressed(compressedLength);
    const int ret = compress2(
        compressed.data(), &compressedLength, work.data(), total, Z_DEFAULT_COMPRESSION);
    F_CHECK(ret == Z_OK, "ret == Z_OK");
    compressed.resize(compressedLength);
    compressed.shrink_to_fit();
    return compressed;
}
