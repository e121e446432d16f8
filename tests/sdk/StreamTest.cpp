#include "ByteVectors.h"
#include "sdk/FSWFStream.h"

using namespace sdktest;

namespace
{

// A body of n bytes 00, 01, 02, ...
FSWFStream Body(U32 n)
{
    FSWFStream body;
    for (U32 i = 0; i < n; ++i)
        body.PutU8(i);
    return body;
}

Bytes Counting(U32 n)
{
    Bytes bytes(n);
    for (U32 i = 0; i < n; ++i)
        bytes[i] = static_cast<U8>(i);
    return bytes;
}

const U8 kBlock[] = { 0xAA, 0xBB, 0xCC };

} // namespace

TEST(FSWFStream, BitAndByteFields)
{
    CheckVectors({
        { "3-bit 5 and 1-bit 1, padded",
            [](auto& s) {
                s.PutBits(5, 3);
                s.PutBits(1, 1);
                s.PadToByte();
            },
            hexBytes("B0") },
        { "-1 in 4 bits then 0 in 4 bits",
            [](auto& s) {
                s.PutBits(static_cast<U32>(-1), 4);
                s.PutBits(0, 4);
            },
            hexBytes("F0") },
        { "16-bit field straddling three bytes, high bits first",
            [](auto& s) {
                s.PutBits(1, 3);
                s.PutBits(0xABCD, 16);
                s.PadToByte();
            },
            hexBytes("35 79 A0") },
        { "padding an aligned stream adds nothing",
            [](auto& s) {
                s.PutU8(7);
                s.PadToByte();
            },
            hexBytes("07") },
        { "U16 little-endian", [](auto& s) { s.PutU16(0x1234); }, hexBytes("34 12") },
        { "U32 little-endian", [](auto& s) { s.PutU32(0x01020304); }, hexBytes("04 03 02 01") },
        { "U8 keeps the low byte", [](auto& s) { s.PutU8(300); }, hexBytes("2C") },
    });
}

TEST(FSWFStream, PendingBitsAreNotCountedUntilPadded)
{
    FSWFStream stream;
    stream.PutBits(5, 3);
    stream.PutBits(1, 1);
    EXPECT_EQ(stream.ByteSize(), 0u);
    stream.PadToByte();
    EXPECT_EQ(stream.ByteSize(), 1u);
}

TEST(FSWFStream, TagHeaders)
{
    CheckVectors({
        { "show frame", [](auto& s) { s.PutTag(1, 0, nullptr); }, hexBytes("40 00") },
        { "end", [](auto& s) { s.PutTag(0, 0, nullptr); }, hexBytes("00 00") },
        { "62-byte body keeps the short header",
            [](auto& s) {
                FSWFStream body = Body(62);
                s.PutTag(2, body.ByteSize(), &body);
            },
            concat({ hexBytes("BE 00"), Counting(62) }) },
        { "63-byte body gets the long header",
            [](auto& s) {
                FSWFStream body = Body(63);
                s.PutTag(2, body.ByteSize(), &body);
            },
            concat({ hexBytes("BF 00 3F 00 00 00"), Counting(63) }) },
        { "code 37 is always long",
            [](auto& s) {
                FSWFStream body = Body(3);
                s.PutTag(37, 3, &body);
            },
            hexBytes("7F 09 03 00 00 00 00 01 02") },
        { "code 48 is always long",
            [](auto& s) {
                FSWFStream body = Body(3);
                s.PutTag(48, 3, &body);
            },
            hexBytes("3F 0C 03 00 00 00 00 01 02") },
    });
}

TEST(FSWFStream, LargeDataIsSplicedWhereItWasRegistered)
{
    CheckVectors({
        { "block before any byte",
            [](auto& s) {
                s.AddLargeData(kBlock, 3);
                s.PutU8(1);
                s.PutU8(2);
            },
            hexBytes("AA BB CC 01 02") },
        { "block after every byte",
            [](auto& s) {
                s.PutU8(1);
                s.PutU8(2);
                s.AddLargeData(kBlock, 3);
            },
            hexBytes("01 02 AA BB CC") },
        { "blocks at one position keep their order",
            [](auto& s) {
                s.PutU8(1);
                s.AddLargeData(kBlock + 2, 1);
                s.AddLargeData(kBlock, 2);
                s.PutU8(2);
            },
            hexBytes("01 CC AA BB 02") },
    });
}

TEST(FSWFStream, AppendStreamMovesBlocksToTheirNewPosition)
{
    FSWFStream source;
    source.PutU8(0xA);
    source.PutU8(0xB);
    source.AddLargeData(kBlock, 3);
    source.PutU8(0xC);

    FSWFStream target = Body(10);
    target.AppendStream(source);

    EXPECT_EQ(target.ByteSize(), 16u);
    EXPECT_EQ(source.ByteSize(), 3u) << "the source keeps its bytes but no longer its block";
    EXPECT_TRUE(sameBytes(Contents(target),
        concat({ Counting(10), hexBytes("0A 0B"), hexBytes("AA BB CC"), hexBytes("0C") })));
    EXPECT_TRUE(sameBytes(Contents(source), hexBytes("0A 0B 0C")));
}

TEST(FSWFStream, AppendStreamOntoPendingBitsShiftsTheBytes)
{
    FSWFStream source;
    source.PutU8(0xFF);
    source.PutU8(0x01);
    FSWFStream target;
    target.PutBits(1, 1);
    target.AppendStream(source);
    target.PadToByte();
    EXPECT_TRUE(sameBytes(Contents(target), hexBytes("FF 80 80")));
}

TEST(FSWFStream, BitsNeeded)
{
    struct Case {
        U32 magnitude;
        U16 signBit;
        U32 want;
    };
    const Case cases[] = {
        { 0, 1, 1 },
        { 1, 1, 2 },
        { 255, 1, 9 },
        { 256, 1, 10 },
        { 0, 0, 0 },
        { 1, 0, 1 },
        { 3, 0, 2 },
        { 4, 0, 3 },
        { 0x7FFFFFFF, 0, 31 },
        { 0x7FFFFFFF, 1, 32 },
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FSWFStream::BitsNeeded(c.magnitude, c.signBit), c.want)
            << "magnitude " << c.magnitude << ", sign bit " << c.signBit;
    }
}

TEST(FSWFStream, SignedGroupWidthCountsTheLargestMagnitudePlusSign)
{
    EXPECT_EQ(FSWFStream::MaxAbs(3, -256, 100, 0), 256);
    // -256 would fit 9 bits, but the group is sized by its magnitude plus a sign bit.
    EXPECT_EQ(FSWFStream::SignedBits(-256, 0), 10u);
    EXPECT_EQ(FSWFStream::SignedBits(0, 0), 1u);
}
