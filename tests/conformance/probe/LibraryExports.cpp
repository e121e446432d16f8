#include "LibraryExports.h"

#include "swfread/SwfMovie.h"

namespace brindlecast::conformance
{

namespace
{

    std::string kindOf(const swfread::SwfMovie& movie, std::uint16_t id)
    {
        if (movie.character<swfread::SwfShape>(id)) {
            return "shape";
        }
        if (movie.character<swfread::SwfLosslessBitmap>(id)
            || movie.character<swfread::SwfJpegBitmap>(id)) {
            return "bitmap";
        }
        if (movie.character<swfread::SwfButton>(id)) {
            return "button";
        }
        return "undefined";
    }

} // namespace

LibraryExports readLibraryExports(const std::filesystem::path& movie)
{
    const auto read = swfread::readSwfFile(movie);
    if (!read) {
        return { {}, read.error() };
    }
    LibraryExports result;
    for (const swfread::SwfAsset& asset : read.value().exports) {
        result.exports.push_back(
            { asset.characterId, kindOf(read.value(), asset.characterId), asset.name });
    }
    return result;
}

} // namespace brindlecast::conformance
