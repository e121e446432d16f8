#pragma once

#include "sdk/FDT.h"

#include <memory>
#include <vector>

class FString;

// One exported character and its name; written only inside the export tag. Owns the name.
class FCTAssetItem : public FCT
{
public:
    FCTAssetItem(U16 characterId, FString* name);
    ~FCTAssetItem() override;
    void Write(FSWFStream& stream) override;

private:
    U16 characterId;
    std::unique_ptr<FString> name;
};

// Publishes characters under names for other movies to import (code 56); owns its items.
class FCTExportAssets : public FCT
{
public:
    void AddAsset(FCTAssetItem* item);
    void Write(FSWFStream& stream) override;

private:
    std::vector<std::unique_ptr<FCTAssetItem>> assets;
    U16 assetCount = 0;
};
