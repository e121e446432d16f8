#include "sdk/FCTExportAssets.h"

#include "sdk/FCheck.h"
#include "sdk/FSWFStream.h"
#include "sdk/FString.h"

FCTAssetItem::FCTAssetItem(U16 characterId_, FString* name_)
    : characterId(characterId_)
    , name(name_)
{
    // Without a name the export tag could not be read back.
    F_CHECK(name != nullptr, "name");
}

FCTAssetItem::~FCTAssetItem() = default;

void FCTAssetItem::Write(FSWFStream& stream)
{
    FSWFStream item;
    item.PutU16(characterId);
    name->Write(item, true);
    stream.AppendStream(item);
}

void FCTExportAssets::AddAsset(FCTAssetItem* item)
{
    assets.emplace_back(item);
    ++assetCount;
}

void FCTExportAssets::Write(FSWFStream& stream)
{
    FSWFStream body;
    body.PutU16(assetCount);
    for (const auto& item : assets)
        item->Write(body);
    stream.PutTag(56, body.ByteSize(), &body);
}
