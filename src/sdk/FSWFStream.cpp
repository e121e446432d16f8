#include "sdk/FSWFStream.h"

#include "sdk/FByteSink.h"
#include "sdk/FCheck.h"

namespace
{

// A field of `width` bits holds `value` when the value, or for a negative value its magnitude,
// is at most 2^width - 1. Computed in 64 bits so that every width up to 32 is meaningful.
bool FitsField(U32 value, U32 width)
{
    const std::uint64_t largest = (std::uint64_t { 1 } << width) - 1;
    const auto asSigned = static_cast<S32>(value);
    return value <= largest
        || (asSigned < 0
            && -static_cast<std::int64_t>(asSigned) <= static_cast<std::int64_t>(largest));
}

} // namespace

void FSWFStream::PutBits(U32 value, U32 width)
{
    F_CHECK(width <= 32 && FitsField(value, width),
        "( data <= (0x01<<size) - 1 ) || ( -(S32)(data) <= (0x01<<size) - 1 )");
    while (width > 0) {
        // The topmost freeBits of the remaining width bits land in the free low positions.
        const U32 shifted = (value << (32 - width)) >> (32 - freeBits);
        pendingByte = static_cast<U8>(pendingByte | (shifted & 0xFF));
        if (width > freeBits) {
            width -= freeBits;
            freeBits = 0;
        } else {
            freeBits -= width;
            width = 0;
        }
        if (freeBits == 0) {
            buffer.push_back(pendingByte);
            pendingByte = 0;
            freeBits = 8;
        }
    }
}

void FSWFStream::PadToByte()
{
    if (freeBits != 8) {
        buffer.push_back(pendingByte);
        pendingByte = 0;
        freeBits = 8;
    }
}

void FSWFStream::PutU8(U32 value)
{
    PutBits(value & 0xFF, 8);
}

void FSWFStream::PutU16(U32 value)
{
    PutU8(value);
    PutU8(value >> 8);
}

void FSWFStream::PutU32(U32 value)
{
    PutU16(value);
    PutU16(value >> 16);
}

void FSWFStream::AddLargeData(const U8* data, U32 length)
{
    largeData.push_back({ static_cast<U32>(buffer.size()), data, length });
}

void FSWFStream::AppendStream(FSWFStream& other)
{
    // Bytes go through the bit writer; on an aligned stream that is a plain copy.
    auto appendBytes = [this](const U8* first, const U8* last) {
        if (freeBits == 8) {
            buffer.insert(buffer.end(), first, last);
            return;
        }
        for (; first != last; ++first)
            PutBits(*first, 8);
    };
    const U8* source = other.buffer.data();
    U32 copied = 0;
    while (!other.largeData.empty()) {
        const LargeData block = other.largeData.front();
        other.largeData.pop_front();
        if (block.position > copied) {
            appendBytes(source + copied, source + block.position);
            copied = block.position;
        }
        AddLargeData(block.data, block.length);
    }
    appendBytes(source + copied, source + other.buffer.size());
}

void FSWFStream::PutTag(U16 code, U32 length, FSWFStream* body)
{
    const bool longForm = length > 62 || code == 37 || code == 48;
    PutU16((static_cast<U32>(code) << 6) | (longForm ? 0x3F : length));
    if (longForm)
        PutU32(length);
    if (body != nullptr)
        AppendStream(*body);
}

U32 FSWFStream::ByteSize() const
{
    U32 size = static_cast<U32>(buffer.size());
    for (const LargeData& block : largeData)
        size += block.length;
    return size;
}

bool FSWFStream::WriteOut(FByteSink& sink)
{
    U32 written = 0;
    bool ok = true;
    while (!largeData.empty()) {
        const LargeData block = largeData.front();
        largeData.pop_front();
        F_CHECK(block.position >= written, "currentDataPosition >= currentStreamPos");
        if (block.position > written)
            ok = ok && sink.Write(buffer.data() + written, block.position - written);
        F_CHECK(block.length > 0, "currentDataSize > 0");
        ok = ok && sink.Write(block.data, block.length);
        written = block.position;
    }
    if (buffer.size() > written)
        ok = ok && sink.Write(buffer.data() + written, buffer.size() - written);
    return ok;
}

U32 FSWFStream::BitsNeeded(U32 magnitude, U16 signBit)
{
    if (magnitude == 0)
        return signBit;
    U32 i = 1;
    U32 x = 1;
    for (;;) {
        x <<= 1;
        if (x > magnitude)
            break;
        ++i;
        if (i == 33)
            break;
    }
    F_CHECK(signBit + i <= 32, "sign + i <= 32");
    return signBit + i;
}

S32 FSWFStream::MaxAbs(S32 a, S32 b, S32 c, S32 d)
{
    // Magnitudes wrap like two's-complement abs(): the magnitude of -2^31 compares as negative.
    auto magnitude = [](S32 v) {
        return static_cast<S32>(v < 0 ? 0u - static_cast<U32>(v) : static_cast<U32>(v));
    };
    S32 largest = magnitude(a);
    for (S32 v : { b, c, d }) {
        if (magnitude(v) > largest)
            largest = magnitude(v);
    }
    return largest;
}
