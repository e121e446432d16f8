#include "swfread/SwfBitReader.h"
#include "swfread/SwfFormatError.h"
#include "swfread/SwfInflate.h"
#include "swfread/SwfTagParsers.h"

#include <algorithm>
#include <array>

namespace brindlecast::swfread
{
namespace
{

    uint32_t bytesPerPixel(uint8_t format, SwfBitReader& reader)
    {
        switch (format) {
        case 3:
            return 1;
        case 4:
            return 2;
        case 5:
            return 4;
        default:
            reader.fail("bitmap format " + std::to_string(format) + " is not supported");
        }
    }

} // namespace

SwfLosslessBitmap parseLosslessBitmap(const SwfTag& tag)
{
    expectTagCode(tag, { kTagDefineBitsLossless, kTagDefineBitsLossless2 }, "lossless bitmap");
    SwfBitReader reader(tag.body, "tag");
    SwfLosslessBitmap bitmap;
    bitmap.code = tag.code;
    bitmap.id = reader.readU16();
    bitmap.format = reader.readU8();
    bitmap.width = reader.readU16();
    bitmap.height = reader.readU16();
    const uint32_t pixelBytes = bytesPerPixel(bitmap.format, reader);
    if (bitmap.format == 3)
        bitmap.colorTableSize = uint32_t { reader.readU8() } + 1;
    if (uint64_t { bitmap.width } * bitmap.height > kMaxBitmapPixels)
        reader.fail("a bitmap of " + std::to_string(bitmap.width) + " x "
            + std::to_string(bitmap.height) + " pixels is over the limit");
    bitmap.rowBytes = (bitmap.width * pixelBytes + 3) & ~3u;
    const size_t tableBytes
        = size_t { bitmap.colorTableSize } * (tag.code == kTagDefineBitsLossless2 ? 4 : 3);
    const size_t imageBytes = size_t { bitmap.rowBytes } * bitmap.height;
    std::vector<uint8_t> data
        = inflateExactly(reader.rest(), tableBytes + imageBytes, "the bitmap data");
    bitmap.colorTable.assign(data.begin(), data.begin() + static_cast<std::ptrdiff_t>(tableBytes));
    data.erase(data.begin(), data.begin() + static_cast<std::ptrdiff_t>(tableBytes));
    bitmap.pixels = std::move(data);
    return bitmap;
}

SwfJpegBitmap parseJpegBitmap(const SwfTag& tag)
{
    static constexpr std::array<uint8_t, 4> kWrapperStart { 0xFF, 0xD9, 0xFF, 0xD8 };
    static constexpr std::array<uint8_t, 2> kWrapperEnd { 0xFF, 0xD9 };
    expectTagCode(tag, { kTagDefineBitsJpeg2 }, "JPEG bitmap");
    SwfBitReader reader(tag.body, "tag");
    SwfJpegBitmap bitmap;
    bitmap.id = reader.readU16();
    auto data = reader.rest();
    bitmap.wrapped = data.size() >= kWrapperStart.size() + kWrapperEnd.size()
        && std::ranges::equal(data.first(kWrapperStart.size()), kWrapperStart)
        && std::ranges::equal(data.last(kWrapperEnd.size()), kWrapperEnd);
    if (bitmap.wrapped)
        data = data.subspan(
            kWrapperStart.size(), data.size() - kWrapperStart.size() - kWrapperEnd.size());
    bitmap.jpeg.assign(data.begin(), data.end());
    return bitmap;
}

} // namespace brindlecast::swfread
