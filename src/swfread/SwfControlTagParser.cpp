#include "swfread/SwfBitReader.h"
#include "swfread/SwfRecordReader.h"
#include "swfread/SwfTagParsers.h"

namespace brindlecast::swfread
{

SwfPlaceObject parsePlaceObject(const SwfTag& tag)
{
    expectTagCode(tag, { kTagPlaceObject2 }, "PlaceObject2");
    SwfBitReader reader(tag.body, "tag");
    SwfPlaceObject place;
    place.flags = reader.readU8();
    if ((place.flags & 0x80) != 0)
        reader.fail("clip actions are not supported");
    place.move = (place.flags & 0x01) != 0;
    place.depth = reader.readU16();
    if ((place.flags & 0x02) != 0)
        place.characterId = reader.readU16();
    if ((place.flags & 0x04) != 0)
        place.matrix = readMatrix(reader);
    if ((place.flags & 0x08) != 0)
        place.colorTransform = readColorTransformWithAlpha(reader);
    if ((place.flags & 0x10) != 0)
        place.ratio = reader.readU16();
    if ((place.flags & 0x20) != 0)
        place.name = reader.readString();
    if ((place.flags & 0x40) != 0)
        place.clipDepth = reader.readU16();
    reader.expectEnd();
    return place;
}

SwfRemoveObject parseRemoveObject(const SwfTag& tag)
{
    expectTagCode(tag, { kTagRemoveObject }, "RemoveObject");
    SwfBitReader reader(tag.body, "tag");
    SwfRemoveObject remove;
    remove.characterId = reader.readU16();
    remove.depth = reader.readU16();
    reader.expectEnd();
    return remove;
}

SwfColor parseBackgroundColor(const SwfTag& tag)
{
    expectTagCode(tag, { kTagSetBackgroundColor }, "SetBackgroundColor");
    SwfBitReader reader(tag.body, "tag");
    const SwfColor color = readRgb(reader);
    reader.expectEnd();
    return color;
}

std::vector<SwfAsset> parseExportAssets(const SwfTag& tag)
{
    expectTagCode(tag, { kTagExportAssets }, "ExportAssets");
    SwfBitReader reader(tag.body, "tag");
    std::vector<SwfAsset> assets;
    for (uint16_t count = reader.readU16(); count > 0; --count) {
        SwfAsset asset;
        asset.characterId = reader.readU16();
        asset.name = reader.readString();
        assets.push_back(std::move(asset));
    }
    reader.expectEnd();
    return assets;
}

void parseShowFrame(const SwfTag& tag)
{
    expectTagCode(tag, { kTagShowFrame }, "ShowFrame");
    SwfBitReader(tag.body, "tag").expectEnd();
}

} // namespace brindlecast::swfread
