#include "sdk/FString.h"

#include "sdk/FSWFStream.h"

FString::FString(const char* text_)
    : text(text_ != nullptr ? text_ : "")
{
}

void FString::Write(FSWFStream& stream, bool terminate) const
{
    for (char c : text)
        stream.PutU8(static_cast<unsigned char>(c));
    if (terminate)
        stream.PutU8(0);
}
