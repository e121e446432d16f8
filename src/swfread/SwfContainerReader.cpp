#include "swfread/SwfBitReader.h"
#include "swfread/SwfFile.h"
#include "swfread/SwfFormatError.h"
#include "swfread/SwfInflate.h"
#include "swfread/SwfRecordReader.h"

#include <cstdio>
#include <new>

namespace brindlecast::swfread
{
namespace
{

    constexpr size_t kSignatureAndLength = 8;

    std::string hexBytes(std::span<const uint8_t> bytes)
    {
        std::string text;
        for (const uint8_t byte : bytes) {
            char digits[4];
            std::snprintf(digits, sizeof digits, "%02X", byte);
            text += text.empty() ? "" : " ";
            text += digits;
        }
        return text;
    }

    std::string tagName(size_t index, uint16_t code, size_t offset)
    {
        return "tag " + std::to_string(index) + " (code " + std::to_string(code) + ") at offset "
            + std::to_string(offset);
    }

    // Reads the signature, version and length, and returns the uncompressed bytes that follow
    // them: a view of `bytes` for "FWS", the inflated rest, kept in `inflated`, for "CWS".
    std::span<const uint8_t> movieAfterLength(
        std::span<const uint8_t> bytes, SwfHeader& header, std::vector<uint8_t>& inflated)
    {
        if (bytes.size() < kSignatureAndLength)
            throw SwfFormatError("the file holds " + std::to_string(bytes.size())
                + " bytes, too few for a movie header");
        header.signature.assign(bytes.begin(), bytes.begin() + 3);
        if (header.signature != "FWS" && header.signature != "CWS")
            throw SwfFormatError("not an SWF movie: it starts with " + hexBytes(bytes.first(3)));
        SwfBitReader reader(bytes.first(kSignatureAndLength), "file");
        reader.seek(3);
        header.version = reader.readU8();
        header.fileLength = reader.readU32();
        if (header.fileLength > kMaxMovieBytes)
            throw SwfFormatError("the header declares " + std::to_string(header.fileLength)
                + " bytes, more than the limit of " + std::to_string(kMaxMovieBytes));
        if (header.fileLength < kSignatureAndLength)
            throw SwfFormatError("the header declares " + std::to_string(header.fileLength)
                + " bytes, fewer than the header itself");
        if (header.signature == "FWS") {
            if (bytes.size() != header.fileLength)
                throw SwfFormatError("the header declares " + std::to_string(header.fileLength)
                    + " bytes but the file holds " + std::to_string(bytes.size()));
            return bytes.subspan(kSignatureAndLength);
        }
        inflated = inflateExactly(bytes.subspan(kSignatureAndLength),
            header.fileLength - kSignatureAndLength, "the compressed movie");
        return inflated;
    }

    void readFrameFields(SwfBitReader& reader, SwfHeader& header)
    {
        try {
            header.frameSize = readRect(reader);
            header.frameRate = reader.readU16();
            header.frameCount = reader.readU16();
        } catch (const SwfFormatError&) {
            throw SwfFormatError("the movie header is truncated");
        }
        header.headerLength = static_cast<uint32_t>(kSignatureAndLength + reader.bytePosition());
    }

    SwfTag readTag(SwfBitReader& reader, size_t index)
    {
        SwfTag tag;
        tag.offset = static_cast<uint32_t>(kSignatureAndLength + reader.bytePosition());
        if (reader.bytesLeft() < 2)
            throw SwfFormatError("the file ends without an end tag");
        const uint16_t codeAndLength = reader.readU16();
        tag.code = static_cast<uint16_t>(codeAndLength >> 6);
        tag.length = codeAndLength & 0x3Fu;
        tag.longHeader = tag.length == 0x3F;
        if (tag.longHeader) {
            if (reader.bytesLeft() < 4)
                throw SwfFormatError(
                    tagName(index, tag.code, tag.offset) + ": the long tag header is truncated");
            tag.length = reader.readU32();
        }
        if (tag.length > reader.bytesLeft())
            throw SwfFormatError(tagName(index, tag.code, tag.offset) + ": its length "
                + std::to_string(tag.length) + " runs past the end of the file ("
                + std::to_string(reader.bytesLeft()) + " bytes left)");
        const auto body = reader.readBytes(tag.length);
        tag.body.assign(body.begin(), body.end());
        return tag;
    }

    SwfFile splitMovie(std::span<const uint8_t> bytes)
    {
        SwfFile file;
        std::vector<uint8_t> inflated;
        SwfBitReader reader(movieAfterLength(bytes, file.header, inflated), "file");
        readFrameFields(reader, file.header);
        for (;;) {
            if (file.tags.size() == kMaxTagCount)
                throw SwfFormatError(
                    "the movie holds more than " + std::to_string(kMaxTagCount) + " tags");
            file.tags.push_back(readTag(reader, file.tags.size()));
            if (file.tags.back().code == kTagEnd)
                break;
        }
        if (reader.bytesLeft() != 0)
            throw SwfFormatError(std::to_string(reader.bytesLeft()) + " bytes follow the end tag");
        return file;
    }

} // namespace

SwfReadResult<SwfFile> readSwfContainer(
    std::span<const uint8_t> bytes, const std::string& sourceName)
{
    try {
        return SwfReadResult<SwfFile>::success(splitMovie(bytes));
    } catch (const SwfFormatError& error) {
        return SwfReadResult<SwfFile>::failure(sourceName + ": " + error.what());
    } catch (const std::bad_alloc&) {
        return SwfReadResult<SwfFile>::failure(sourceName + ": out of memory reading the movie");
    }
}

} // namespace brindlecast::swfread
