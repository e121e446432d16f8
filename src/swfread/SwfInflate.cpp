#include "swfread/SwfInflate.h"

#include "swfread/SwfFormatError.h"

#include <algorithm>
#include <limits>
#include <zlib.h>

namespace brindlecast::swfread
{
namespace
{

    constexpr size_t kFirstChunk = 64 * 1024;

    class InflateStream
    {
    public:
        explicit InflateStream(std::span<const uint8_t> input)
        {
            if (input.size() > std::numeric_limits<uInt>::max())
                throw SwfFormatError("compressed data too large");
            stream.next_in = const_cast<Bytef*>(input.data());
            stream.avail_in = static_cast<uInt>(input.size());
            if (inflateInit(&stream) != Z_OK)
                throw SwfFormatError("zlib could not start inflating");
        }
        ~InflateStream() { inflateEnd(&stream); }
        InflateStream(const InflateStream&) = delete;
        InflateStream& operator=(const InflateStream&) = delete;

        z_stream stream {};
    };

} // namespace

std::vector<uint8_t> inflateExactly(
    std::span<const uint8_t> input, size_t expectedSize, const std::string& what)
{
    InflateStream inflater(input);
    z_stream& stream = inflater.stream;
    std::vector<uint8_t> output;
    size_t produced = 0;
    for (;;) {
        // Once the expected bytes are in, a one-byte probe shows whether the stream holds more.
        uint8_t probe = 0;
        const bool full = produced == expectedSize;
        if (full) {
            stream.next_out = &probe;
            stream.avail_out = 1;
        } else {
            if (produced == output.size())
                output.resize(std::min(expectedSize, std::max(kFirstChunk, 2 * output.size())));
            const size_t space
                = std::min<size_t>(output.size() - produced, std::numeric_limits<uInt>::max());
            stream.next_out = output.data() + produced;
            stream.avail_out = static_cast<uInt>(space);
        }
        const uInt spaceBefore = stream.avail_out;
        const int status = inflate(&stream, Z_NO_FLUSH);
        if (full && stream.avail_out == 0)
            throw SwfFormatError(what + " inflates to more than the expected "
                + std::to_string(expectedSize) + " bytes");
        if (!full)
            produced += spaceBefore - stream.avail_out;
        if (status == Z_STREAM_END)
            break;
        if (status == Z_OK)
            continue;
        if (status == Z_BUF_ERROR) // output space was offered, so the input ran out
            throw SwfFormatError(what + " is truncated: its zlib stream ends early");
        if (status == Z_MEM_ERROR)
            throw std::bad_alloc();
        throw SwfFormatError(what + " is not valid zlib data ("
            + (stream.msg != nullptr ? stream.msg : "error " + std::to_string(status)) + ")");
    }
    if (produced < expectedSize)
        throw SwfFormatError(what + " inflates to " + std::to_string(produced)
            + " bytes instead of the expected " + std::to_string(expectedSize));
    if (stream.avail_in != 0)
        throw SwfFormatError(std::to_string(stream.avail_in) + " bytes follow the end of " + what);
    return output;
}

} // namespace brindlecast::swfread
