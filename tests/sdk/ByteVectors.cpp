#include "ByteVectors.h"

#include "sdk/FByteSink.h"
#include "sdk/FDT.h"
#include "sdk/FSWFStream.h"

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

} // namespace

Bytes Contents(FSWFStream& stream)
{
    MemorySink sink;
    EXPECT_TRUE(stream.WriteOut(sink));
    return sink.bytes;
}

void CheckVectors(const std::vector<Vector>& vectors)
{
    for (const Vector& vector : vectors) {
        SCOPED_TRACE(vector.name);
        ResetCharacterIds();
        FSWFStream stream;
        vector.write(stream);
        EXPECT_TRUE(sameBytes(Contents(stream), vector.want));
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

} // namespace sdktest
