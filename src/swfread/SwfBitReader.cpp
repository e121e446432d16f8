#include "swfread/SwfBitReader.h"

#include "swfread/SwfFormatError.h"

#include <algorithm>
#include <utility>

namespace brindlecast::swfread
{

SwfBitReader::SwfBitReader(std::span<const uint8_t> bytes, std::string rangeName)
    : bytes_(bytes)
    , rangeName_(std::move(rangeName))
{
}

void SwfBitReader::fail(const std::string& what) const
{
    throw SwfFormatError(what + " (at byte " + std::to_string(bytePosition_) + ")");
}

void SwfBitReader::need(size_t bits) const
{
    const size_t available = (bytes_.size() - bytePosition_) * 8 - bitPosition_;
    if (bits > available)
        fail("a record runs past the end of the " + rangeName_);
}

uint32_t SwfBitReader::readBits(uint32_t width)
{
    need(width);
    uint32_t value = 0;
    while (width > 0) {
        const uint32_t take = std::min(width, 8 - bitPosition_);
        const uint32_t shift = 8 - bitPosition_ - take;
        const uint32_t chunk = (uint32_t { bytes_[bytePosition_] } >> shift) & ((1u << take) - 1);
        value = value << take | chunk;
        width -= take;
        bitPosition_ += take;
        if (bitPosition_ == 8) {
            bitPosition_ = 0;
            ++bytePosition_;
        }
    }
    return value;
}

int32_t SwfBitReader::readSignedBits(uint32_t width)
{
    const uint32_t raw = readBits(width);
    if (width == 0 || width == 32)
        return static_cast<int32_t>(raw);
    const uint32_t signBit = 1u << (width - 1);
    return static_cast<int32_t>((raw ^ signBit) - signBit);
}

void SwfBitReader::alignToByte()
{
    if (bitPosition_ != 0) {
        bitPosition_ = 0;
        ++bytePosition_;
    }
}

uint8_t SwfBitReader::readU8()
{
    alignToByte();
    return static_cast<uint8_t>(readBits(8));
}

uint16_t SwfBitReader::readU16()
{
    const uint32_t low = readU8();
    return static_cast<uint16_t>(low | uint32_t { readU8() } << 8);
}

uint32_t SwfBitReader::readU32()
{
    const uint32_t low = readU16();
    return low | uint32_t { readU16() } << 16;
}

std::span<const uint8_t> SwfBitReader::readBytes(size_t count)
{
    alignToByte();
    if (count > bytesLeft())
        fail("a record runs past the end of the " + rangeName_);
    const auto result = bytes_.subspan(bytePosition_, count);
    bytePosition_ += count;
    return result;
}

std::string SwfBitReader::readString()
{
    alignToByte();
    const auto begin = bytes_.begin() + static_cast<std::ptrdiff_t>(bytePosition_);
    const auto terminator = std::find(begin, bytes_.end(), uint8_t { 0 });
    if (terminator == bytes_.end())
        fail("a string has no terminating zero byte before the end of the " + rangeName_);
    std::string text(begin, terminator);
    bytePosition_ += text.size() + 1;
    return text;
}

std::span<const uint8_t> SwfBitReader::rest()
{
    return readBytes(bytesLeft());
}

void SwfBitReader::seek(size_t bytePosition)
{
    if (bytePosition > bytes_.size())
        fail("an offset points past the end of the " + rangeName_);
    bytePosition_ = bytePosition;
    bitPosition_ = 0;
}

void SwfBitReader::expectEnd()
{
    alignToByte();
    if (bytesLeft() != 0)
        fail(std::to_string(bytesLeft()) + " bytes are left over at the end of the " + rangeName_);
}

} // namespace brindlecast::swfread
