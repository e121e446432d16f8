#include "sdk/FReusableDeflater.h"

#include "sdk/FCheck.h"

#include <algorithm>

namespace
{

// avail_in and avail_out are 32 bits wide: larger buffers go through in parts.
constexpr std::size_t kPart = std::size_t { 1 } << 30;

// Output room above this is released after use rather than kept for the next bitmap.
constexpr std::size_t kKeptOutputBytes = std::size_t { 4 } << 20;

} // namespace

FReusableDeflater::FReusableDeflater(int level)
    : state(level)
{
}

std::vector<U8> FReusableDeflater::Compress(std::initializer_list<std::span<const U8>> pieces)
{
    std::size_t total = 0;
    for (const auto piece : pieces)
        total += piece.size();
    z_stream& zstream = state.Restart();
    output.resize(std::max<std::size_t>(output.size(), compressBound(total)));
    zstream.next_out = output.data();
    int ret = Z_OK;
    for (const auto piece : pieces)
        ret = ret == Z_OK ? Feed(zstream, piece, Z_NO_FLUSH) : ret;
    ret = ret == Z_OK ? Feed(zstream, {}, Z_FINISH) : ret;
    F_CHECK(ret == Z_STREAM_END, "ret == Z_STREAM_END");

    std::vector<U8> compressed(output.data(), zstream.next_out);
    if (output.size() > kKeptOutputBytes)
        output = {};
    return compressed;
}

int FReusableDeflater::Feed(z_stream& zstream, std::span<const U8> input, int flush)
{
    // With nothing to add and no flush, deflate would report that it cannot progress.
    if (input.empty() && flush == Z_NO_FLUSH)
        return Z_OK;
    int ret = Z_OK;
    do {
        const std::size_t part = std::min(input.size(), kPart);
        zstream.next_in = const_cast<U8*>(input.data());
        zstream.avail_in = static_cast<uInt>(part);
        input = input.subspan(part);
        const int mode = input.empty() ? flush : Z_NO_FLUSH;
        do {
            const auto room
                = static_cast<std::size_t>(output.data() + output.size() - zstream.next_out);
            zstream.avail_out = static_cast<uInt>(std::min(room, kPart));
            ret = deflate(&zstream, mode);
        } while (ret == Z_OK && (zstream.avail_in > 0 || mode == Z_FINISH));
    } while (ret == Z_OK && !input.empty());
    return ret;
}
