#include "swfread/SwfBitReader.h"
#include "swfread/SwfFormatError.h"
#include "swfread/SwfRecordReader.h"
#include "swfread/SwfTagParsers.h"

namespace brindlecast::swfread
{
namespace
{

    // Style arrays give their count in one byte, or 0xFF followed by a 16-bit count.
    uint32_t readStyleCount(SwfBitReader& reader)
    {
        const uint32_t count = reader.readU8();
        return count == 0xFF ? reader.readU16() : count;
    }

    SwfFillStyle readFillStyle(SwfBitReader& reader)
    {
        SwfFillStyle style;
        style.type = reader.readU8();
        if (style.type == 0x00) {
            style.kind = SwfFillStyle::Kind::Solid;
            style.color = readRgb(reader);
        } else if (style.type >= 0x40 && style.type <= 0x43) {
            style.kind = SwfFillStyle::Kind::Bitmap;
            style.bitmapId = reader.readU16();
            style.matrix = readMatrix(reader);
        } else {
            reader.fail("fill style type " + std::to_string(style.type) + " is not supported");
        }
        return style;
    }

    std::vector<SwfFillStyle> readFillStyles(SwfBitReader& reader)
    {
        std::vector<SwfFillStyle> styles;
        for (uint32_t i = readStyleCount(reader); i > 0; --i)
            styles.push_back(readFillStyle(reader));
        return styles;
    }

    std::vector<SwfLineStyle> readLineStyles(SwfBitReader& reader)
    {
        std::vector<SwfLineStyle> styles;
        for (uint32_t i = readStyleCount(reader); i > 0; --i) {
            SwfLineStyle style;
            style.width = reader.readU16();
            style.color = readRgb(reader);
            styles.push_back(style);
        }
        return styles;
    }

    // Reads the shape records up to and including the end record. Style indexes are checked
    // against the arrays in force, so users of the shape can index them without further checks.
    class ShapeRecordReader
    {
    public:
        ShapeRecordReader(SwfBitReader& reader, SwfShape& shape)
            : reader_(reader)
            , fillBits_(shape.fillIndexBits)
            , lineBits_(shape.lineIndexBits)
            , fillCount_(shape.fillStyles.size())
            , lineCount_(shape.lineStyles.size())
        {
        }

        std::vector<SwfShapeRecord> readAll()
        {
            std::vector<SwfShapeRecord> records;
            do
                records.push_back(reader_.readFlag() ? readEdge() : readNonEdge());
            while (records.back().kind != SwfShapeRecord::Kind::End);
            reader_.alignToByte();
            return records;
        }

    private:
        SwfShapeRecord readEdge()
        {
            SwfShapeRecord record;
            const bool straight = reader_.readFlag();
            const uint32_t bits = reader_.readBits(4) + 2;
            if (straight) {
                record.kind = SwfShapeRecord::Kind::StraightEdge;
                if (reader_.readFlag()) {
                    record.dx = reader_.readSignedBits(bits);
                    record.dy = reader_.readSignedBits(bits);
                } else if (reader_.readFlag()) {
                    record.dy = reader_.readSignedBits(bits);
                } else {
                    record.dx = reader_.readSignedBits(bits);
                }
            } else {
                record.kind = SwfShapeRecord::Kind::CurvedEdge;
                record.dx = reader_.readSignedBits(bits);
                record.dy = reader_.readSignedBits(bits);
                record.dx2 = reader_.readSignedBits(bits);
                record.dy2 = reader_.readSignedBits(bits);
            }
            return record;
        }

        SwfShapeRecord readNonEdge()
        {
            SwfShapeRecord record;
            const uint32_t flags = reader_.readBits(5);
            if (flags == 0)
                return record; // the end record
            record.kind = SwfShapeRecord::Kind::StyleChange;
            record.hasNewStyles = (flags & 0x10) != 0;
            record.hasLineStyle = (flags & 0x08) != 0;
            record.hasFillStyle1 = (flags & 0x04) != 0;
            record.hasFillStyle0 = (flags & 0x02) != 0;
            record.hasMoveTo = (flags & 0x01) != 0;
            if (record.hasMoveTo) {
                const uint32_t bits = reader_.readBits(5);
                record.moveX = reader_.readSignedBits(bits);
                record.moveY = reader_.readSignedBits(bits);
            }
            if (record.hasFillStyle0)
                record.fillStyle0 = readIndex(fillBits_, fillCount_, "fill");
            if (record.hasFillStyle1)
                record.fillStyle1 = readIndex(fillBits_, fillCount_, "fill");
            if (record.hasLineStyle)
                record.lineStyle = readIndex(lineBits_, lineCount_, "line");
            if (record.hasNewStyles) {
                record.newFillStyles = readFillStyles(reader_);
                record.newLineStyles = readLineStyles(reader_);
                fillCount_ = record.newFillStyles.size();
                lineCount_ = record.newLineStyles.size();
                fillBits_ = reader_.readBits(4);
                lineBits_ = reader_.readBits(4);
            }
            return record;
        }

        uint32_t readIndex(uint32_t bits, size_t count, const char* kind)
        {
            const uint32_t index = reader_.readBits(bits);
            if (index > count)
                reader_.fail(std::string(kind) + " style index " + std::to_string(index)
                    + " refers past the " + std::to_string(count) + " " + kind + " styles");
            return index;
        }

        SwfBitReader& reader_;
        uint32_t fillBits_;
        uint32_t lineBits_;
        size_t fillCount_;
        size_t lineCount_;
    };

} // namespace

SwfShape parseShape(const SwfTag& tag)
{
    expectTagCode(tag, { kTagDefineShape, kTagDefineShape2 }, "shape");
    SwfBitReader reader(tag.body, "tag");
    SwfShape shape;
    shape.code = tag.code;
    shape.id = reader.readU16();
    shape.bounds = readRect(reader);
    shape.fillStyles = readFillStyles(reader);
    shape.lineStyles = readLineStyles(reader);
    shape.fillIndexBits = reader.readBits(4);
    shape.lineIndexBits = reader.readBits(4);
    shape.records = ShapeRecordReader(reader, shape).readAll();
    reader.expectEnd();
    return shape;
}

} // namespace brindlecast::swfread
