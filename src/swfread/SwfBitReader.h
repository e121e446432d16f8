#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace brindlecast::swfread
{

// Reads bit fields (most significant bit first), little-endian numbers and zero-terminated
// strings from a byte range it does not own. Every read is checked against the end of the range:
// a read past it throws SwfFormatError naming `rangeName`, so a record can never run over.
class SwfBitReader
{
public:
    SwfBitReader(std::span<const uint8_t> bytes, std::string rangeName);

    uint32_t readBits(uint32_t width);
    int32_t readSignedBits(uint32_t width);
    bool readFlag() { return readBits(1) != 0; }

    // Byte reads start on the next byte boundary, as every record of the format does.
    uint8_t readU8();
    uint16_t readU16();
    uint32_t readU32();
    std::span<const uint8_t> readBytes(size_t count);
    std::string readString();

    void alignToByte();
    size_t bytePosition() const { return bytePosition_; }
    size_t bytesLeft() const { return bytes_.size() - bytePosition_; }
    std::span<const uint8_t> rest();
    void seek(size_t bytePosition);

    // Throws unless every byte has been read, so a length field that claims more than its
    // records hold is caught.
    void expectEnd();

    [[noreturn]] void fail(const std::string& what) const;

private:
    void need(size_t bits) const;

    std::span<const uint8_t> bytes_;
    std::string rangeName_;
    size_t bytePosition_ = 0;
    uint32_t bitPosition_ = 0; // bits already read from bytes_[bytePosition_]
};

} // namespace brindlecast::swfread
