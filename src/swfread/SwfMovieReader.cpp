#include "swfread/SwfFile.h"
#include "swfread/SwfFormatError.h"
#include "swfread/SwfMovie.h"
#include "swfread/SwfTagParsers.h"

#include <fstream>
#include <new>

namespace brindlecast::swfread
{
namespace
{

    template <typename T> void define(SwfMovie& movie, uint16_t id, T character)
    {
        movie.characters.try_emplace(id, std::move(character));
    }

    void applyTag(SwfMovie& movie, const SwfTag& tag)
    {
        switch (tag.code) {
        case kTagShowFrame:
            parseShowFrame(tag);
            movie.timeline.showFrame();
            break;
        case kTagDefineShape:
        case kTagDefineShape2: {
            SwfShape shape = parseShape(tag);
            define(movie, shape.id, std::move(shape));
            break;
        }
        case kTagRemoveObject:
            movie.timeline.remove(parseRemoveObject(tag));
            break;
        case kTagSetBackgroundColor:
            movie.backgroundColor = parseBackgroundColor(tag);
            break;
        case kTagDefineBitsLossless:
        case kTagDefineBitsLossless2: {
            SwfLosslessBitmap bitmap = parseLosslessBitmap(tag);
            define(movie, bitmap.id, std::move(bitmap));
            break;
        }
        case kTagDefineBitsJpeg2: {
            SwfJpegBitmap bitmap = parseJpegBitmap(tag);
            define(movie, bitmap.id, std::move(bitmap));
            break;
        }
        case kTagPlaceObject2:
            movie.timeline.place(parsePlaceObject(tag));
            break;
        case kTagDefineButton2: {
            SwfButton button = parseButton(tag);
            define(movie, button.id, std::move(button));
            break;
        }
        case kTagExportAssets:
            for (SwfAsset& asset : parseExportAssets(tag))
                movie.exports.push_back(std::move(asset));
            break;
        default:
            break; // the end tag, and tags this reader does not know, stay raw
        }
    }

    SwfMovie decodeMovie(SwfFile file)
    {
        SwfMovie movie;
        movie.header = std::move(file.header);
        movie.tags = std::move(file.tags);
        for (size_t index = 0; index < movie.tags.size(); ++index) {
            const SwfTag& tag = movie.tags[index];
            try {
                applyTag(movie, tag);
            } catch (const SwfFormatError& error) {
                throw SwfFormatError("tag " + std::to_string(index) + " (code "
                    + std::to_string(tag.code) + ") at offset " + std::to_string(tag.offset) + ": "
                    + error.what());
            }
        }
        return movie;
    }

} // namespace

SwfReadResult<SwfMovie> readSwfBytes(std::span<const uint8_t> bytes, const std::string& sourceName)
{
    SwfReadResult<SwfFile> file = readSwfContainer(bytes, sourceName);
    if (!file)
        return SwfReadResult<SwfMovie>::failure(file.error());
    try {
        return SwfReadResult<SwfMovie>::success(decodeMovie(std::move(file).value()));
    } catch (const SwfFormatError& error) {
        return SwfReadResult<SwfMovie>::failure(sourceName + ": " + error.what());
    } catch (const std::bad_alloc&) {
        return SwfReadResult<SwfMovie>::failure(sourceName + ": out of memory reading the movie");
    }
}

SwfReadResult<SwfMovie> readSwfFile(const std::filesystem::path& path)
{
    const std::string name = path.string();
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    if (error)
        return SwfReadResult<SwfMovie>::failure(
            name + ": cannot open the file (" + error.message() + ")");
    if (size > kMaxMovieBytes)
        return SwfReadResult<SwfMovie>::failure(name + ": the file holds " + std::to_string(size)
            + " bytes, more than the limit of " + std::to_string(kMaxMovieBytes));
    std::ifstream in(path, std::ios::binary);
    std::vector<uint8_t> bytes(static_cast<size_t>(size));
    if (!in || !in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(size)))
        return SwfReadResult<SwfMovie>::failure(name + ": cannot read the file");
    return readSwfBytes(bytes, name);
}

} // namespace brindlecast::swfread
