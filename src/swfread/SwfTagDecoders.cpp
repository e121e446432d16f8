#include "swfread/SwfTagDecoders.h"

#include "swfread/SwfFormatError.h"
#include "swfread/SwfTagParsers.h"

#include <algorithm>
#include <new>

namespace brindlecast::swfread
{
namespace
{

    template <typename Parse>
    auto decodeWith(const SwfTag& tag, Parse parse) -> SwfReadResult<decltype(parse(tag))>
    {
        using Result = SwfReadResult<decltype(parse(tag))>;
        const std::string where = "tag code " + std::to_string(tag.code) + ": ";
        try {
            return Result::success(parse(tag));
        } catch (const SwfFormatError& error) {
            return Result::failure(where + error.what());
        } catch (const std::bad_alloc&) {
            return Result::failure(where + "out of memory");
        }
    }

} // namespace

void expectTagCode(
    const SwfTag& tag, std::initializer_list<uint16_t> codes, const std::string& kind)
{
    if (std::ranges::find(codes, tag.code) == codes.end())
        throw SwfFormatError("a tag of code " + std::to_string(tag.code) + " is not a " + kind);
}

SwfReadResult<SwfShape> decodeShape(const SwfTag& tag)
{
    return decodeWith(tag, parseShape);
}

SwfReadResult<SwfLosslessBitmap> decodeLosslessBitmap(const SwfTag& tag)
{
    return decodeWith(tag, parseLosslessBitmap);
}

SwfReadResult<SwfJpegBitmap> decodeJpegBitmap(const SwfTag& tag)
{
    return decodeWith(tag, parseJpegBitmap);
}

SwfReadResult<SwfButton> decodeButton(const SwfTag& tag)
{
    return decodeWith(tag, parseButton);
}

SwfReadResult<SwfPlaceObject> decodePlaceObject(const SwfTag& tag)
{
    return decodeWith(tag, parsePlaceObject);
}

SwfReadResult<SwfRemoveObject> decodeRemoveObject(const SwfTag& tag)
{
    return decodeWith(tag, parseRemoveObject);
}

SwfReadResult<SwfColor> decodeBackgroundColor(const SwfTag& tag)
{
    return decodeWith(tag, parseBackgroundColor);
}

SwfReadResult<std::vector<SwfAsset>> decodeExportAssets(const SwfTag& tag)
{
    return decodeWith(tag, parseExportAssets);
}

} // namespace brindlecast::swfread
