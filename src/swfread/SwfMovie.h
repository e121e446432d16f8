#pragma once

#include "swfread/SwfBitmaps.h"
#include "swfread/SwfButton.h"
#include "swfread/SwfControlTags.h"
#include "swfread/SwfHeader.h"
#include "swfread/SwfReadResult.h"
#include "swfread/SwfShape.h"
#include "swfread/SwfTag.h"
#include "swfread/SwfTimeline.h"

#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <variant>
#include <vector>

namespace brindlecast::swfread
{

using SwfCharacter = std::variant<SwfShape, SwfLosslessBitmap, SwfJpegBitmap, SwfButton>;

// A whole movie: its header, every tag as stored (unknown ones included), and what the known
// tags define and do. Of two definitions of one id the first counts, as in players.
struct SwfMovie {
    SwfHeader header;
    std::vector<SwfTag> tags; // in file order, the end tag last
    std::optional<SwfColor> backgroundColor; // set by the last SetBackgroundColor tag
    std::map<uint16_t, SwfCharacter> characters;
    std::vector<SwfAsset> exports; // of all ExportAssets tags, in order
    SwfTimeline timeline;

    // The character of that id, or null when it is undefined or of another kind.
    template <typename T> const T* character(uint16_t id) const
    {
        const auto found = characters.find(id);
        return found == characters.end() ? nullptr : std::get_if<T>(&found->second);
    }
};

// Reads an "FWS" or "CWS" movie and decodes every tag it knows. Any fault of the file, of a
// known tag's records or of a size beyond the reader's limits gives an error whose text starts
// with `sourceName` (or the path) and names the tag and what failed.
SwfReadResult<SwfMovie> readSwfBytes(
    std::span<const uint8_t> bytes, const std::string& sourceName = "movie");
SwfReadResult<SwfMovie> readSwfFile(const std::filesystem::path& path);

} // namespace brindlecast::swfread
