#include "sdk/FDTDefineBitsJPEG2.h"

#include "sdk/FSWFStream.h"

FDTDefineBitsJPEG2::FDTDefineBitsJPEG2(const U8* jpegData_, U32 jpegLength_)
    : characterId(NextCharacterId())
    , jpegLength(jpegLength_)
    , jpegData(jpegData_)
{
}

void FDTDefineBitsJPEG2::Write(FSWFStream& stream)
{
    FSWFStream body;
    body.PutU16(characterId);
    // An empty encoding table (end-of-image, start-of-image) ahead of the file itself.
    for (U32 byte : { 0xFF, 0xD9, 0xFF, 0xD8 })
        body.PutU8(byte);
    body.AddLargeData(jpegData, jpegLength);
    body.PutU8(0xFF);
    body.PutU8(0xD9);
    stream.PutTag(21, body.ByteSize(), &body);
}
