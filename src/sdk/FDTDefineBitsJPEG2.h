#pragma once

#include "sdk/FDT.h"

// JPEG bitmap tag (code 21) embedding a whole JPEG file. The bytes are not copied: they belong
// to the caller and must stay valid and unchanged until the movie has been saved.
class FDTDefineBitsJPEG2 : public FDT
{
public:
    FDTDefineBitsJPEG2(const U8* jpegData, U32 jpegLength);
    U16 CharacterId() override { return characterId; }
    void Write(FSWFStream& stream) override;

private:
    U16 characterId;
    U32 jpegLength;
    const U8* jpegData;
};
