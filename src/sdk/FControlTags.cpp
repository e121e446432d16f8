#include "sdk/FControlTags.h"

#include "sdk/FColor.h"
#include "sdk/FSWFStream.h"

FCTRemoveObject::FCTRemoveObject(U16 characterId_, U16 depth_)
    : characterId(characterId_)
    , depth(depth_)
{
}

void FCTRemoveObject::Write(FSWFStream& stream)
{
    FSWFStream body;
    body.PutU16(characterId);
    body.PutU16(depth);
    stream.PutTag(5, body.ByteSize(), &body);
}

FCTSetBackgroundColor::FCTSetBackgroundColor(FColorZell* color_)
    : color(color_)
{
    color->SetWriteAlpha(false);
}

FCTSetBackgroundColor::~FCTSetBackgroundColor() = default;

void FCTSetBackgroundColor::Write(FSWFStream& stream)
{
    FSWFStream body;
    color->Write(body);
    stream.PutTag(9, body.ByteSize(), &body);
}

void FCTShowFrame::Write(FSWFStream& stream)
{
    stream.PutTag(1, 0, nullptr);
}
