// Feeds arbitrary bytes to the SWF reader as a whole movie and, so that mutations reach every
// decoder even when the file around them breaks, as the body of each kind of tag it decodes.
#include "swfread/SwfMovie.h"
#include "swfread/SwfTagDecoders.h"

#include <cstddef>
#include <cstdint>

namespace
{

using namespace brindlecast::swfread;

void walkTimeline(const SwfMovie& movie)
{
    size_t objects = 0;
    for (size_t frame = 0; frame < movie.timeline.frameCount(); ++frame)
        for (const SwfDisplayObject& object : movie.timeline.frame(frame))
            objects += movie.characters.count(object.characterId);
    (void)objects;
}

void decodeAsEveryTag(const SwfTag& tag)
{
    SwfTag as = tag;
    as.code = kTagDefineShape;
    (void)decodeShape(as);
    as.code = kTagDefineBitsLossless2;
    (void)decodeLosslessBitmap(as);
    as.code = kTagDefineBitsJpeg2;
    (void)decodeJpegBitmap(as);
    as.code = kTagDefineButton2;
    (void)decodeButton(as);
    as.code = kTagPlaceObject2;
    (void)decodePlaceObject(as);
    as.code = kTagRemoveObject;
    (void)decodeRemoveObject(as);
    as.code = kTagSetBackgroundColor;
    (void)decodeBackgroundColor(as);
    as.code = kTagExportAssets;
    (void)decodeExportAssets(as);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::span<const uint8_t> bytes(data, size);
    const auto movie = readSwfBytes(bytes, "fuzz");
    if (movie)
        walkTimeline(movie.value());
    SwfTag tag;
    tag.body.assign(bytes.begin(), bytes.end());
    tag.length = static_cast<uint32_t>(size);
    decodeAsEveryTag(tag);
    return 0;
}
