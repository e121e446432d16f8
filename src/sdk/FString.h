#pragma once

#include <string>

class FSWFStream;

// Byte string record, written character by character without conversion.
class FString
{
public:
    explicit FString(const char* text);
    void Write(FSWFStream& stream, bool terminate) const;

private:
    std::string text;
};
