#pragma once

#include "sdk/FTypes.h"

#include <deque>
#include <vector>

class FByteSink;

// Append-only bit and byte stream that every tag serialises into. Bulk data (compressed
// bitmaps, JPEG files) is never copied in: it is registered as a LargeData block, a pointer and
// a length spliced into the output by WriteOut. Whoever registers a block keeps its bytes alive
// and unchanged until the stream, or the stream it was appended to, has been written out.
class FSWFStream
{
public:
    struct LargeData {
        U32 position; // byte index in front of which the block is inserted
        const U8* data; // not owned
        U32 length;
    };

    FSWFStream() = default;

    void PutBits(U32 value, U32 width);
    void PadToByte();
    void PutU8(U32 value);
    void PutU16(U32 value);
    void PutU32(U32 value);
    void AddLargeData(const U8* data, U32 length);
    void AppendStream(FSWFStream& other);
    void PutTag(U16 code, U32 length, FSWFStream* body);
    [[nodiscard]] U32 ByteSize() const;

    // Writes the logical content (bytes with the blocks spliced in) and consumes the block
    // list. Returns false when the sink reports a failed write.
    [[nodiscard]] bool WriteOut(FByteSink& sink);

    // The completed bytes, so that the movie writer can overwrite its placeholder header.
    U8* FirstByte() { return buffer.data(); }

    static U32 BitsNeeded(U32 magnitude, U16 signBit);
    static S32 MaxAbs(S32 a, S32 b, S32 c, S32 d);

    // Width of a signed field group: the largest magnitude's bit length plus a sign bit.
    static U32 SignedBits(S32 a, S32 b, S32 c = 0, S32 d = 0)
    {
        return BitsNeeded(static_cast<U32>(MaxAbs(a, b, c, d)), 1);
    }

private:
    std::vector<U8> buffer; // the completed bytes; its size is the byte count
    U8 pendingByte = 0; // bits fill it from the most significant bit down
    U32 freeBits = 8; // 8 when no bit is pending
    std::deque<LargeData> largeData;
};
