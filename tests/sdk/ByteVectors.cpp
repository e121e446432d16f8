#include "ByteVectors.h"

#include "sdk/FByteSink.h"
#include "sdk/FDT.h"
#include "sdk/FSWFStream.h"

#include <cctype>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <zlib.h>

namespace sdktest
{

namespace
{

    class MemorySink : public FByteSink
    {
    public:
        bool Write(const U8* data, std::size_t length) override
        {
            bytes.insert(bytes.end(), data, data + length);
            return true;
        }
        Bytes bytes;
    };

    std::string HexFrom(const Bytes& bytes, std::size_t first)
    {
        constexpr std::size_t kShown = 48;
        std::string text;
        for (std::size_t i = first; i < bytes.size() && i < first + kShown; ++i) {
            char digits[4];
            std::snprintf(digits, sizeof digits, "%02X ", bytes[i]);
            text += digits;
        }
        if (bytes.size() > first + kShown)
            text += "...";
        return text.empty() ? "(end)" : text;
    }

} // namespace

Bytes Hex(std::string_view text)
{
    Bytes bytes;
    std::string digits;
    for (char c : text) {
        if (std::isspace(static_cast<unsigned char>(c)))
            continue;
        digits += c;
        if (digits.size() == 2) {
            bytes.push_back(static_cast<U8>(std::stoul(digits, nullptr, 16)));
            digits.clear();
        }
    }
    EXPECT_TRUE(digits.empty()) << "odd number of hex digits in: " << text;
    return bytes;
}

Bytes Concat(std::initializer_list<Bytes> parts)
{
    Bytes all;
    for (const Bytes& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

Bytes Contents(FSWFStream& stream)
{
    MemorySink sink;
    EXPECT_TRUE(stream.WriteOut(sink));
    return sink.bytes;
}

::testing::AssertionResult SameBytes(const Bytes& actual, const Bytes& expected)
{
    std::size_t first = 0;
    while (first < actual.size() && first < expected.size() && actual[first] == expected[first])
        ++first;
    if (first == actual.size() && first == expected.size())
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
        << "bytes differ from offset " << first << " (sizes: actual " << actual.size()
        << ", expected " << expected.size() << ")\n  actual:   " << HexFrom(actual, first)
        << "\n  expected: " << HexFrom(expected, first);
}

void CheckVectors(const std::vector<Vector>& vectors)
{
    for (const Vector& vector : vectors) {
        SCOPED_TRACE(vector.name);
        ResetCharacterIds();
        FSWFStream stream;
        vector.write(stream);
        EXPECT_TRUE(SameBytes(Contents(stream), vector.want));
    }
}

Bytes Inflate(const U8* data, std::size_t length)
{
    z_stream zs {};
    EXPECT_EQ(inflateInit(&zs), Z_OK);
    zs.next_in = const_cast<U8*>(data);
    zs.avail_in = static_cast<uInt>(length);
    Bytes out;
    U8 chunk[16384];
    int result = Z_OK;
    while (result == Z_OK) {
        zs.next_out = chunk;
        zs.avail_out = sizeof chunk;
        result = inflate(&zs, Z_NO_FLUSH);
        out.insert(out.end(), chunk, chunk + (sizeof chunk - zs.avail_out));
    }
    EXPECT_EQ(result, Z_STREAM_END) << "zlib stream is malformed or truncated";
    EXPECT_EQ(zs.avail_in, 0u) << "bytes after the end of the zlib stream";
    inflateEnd(&zs);
    return out;
}

Bytes ReadFile(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

} // namespace sdktest
