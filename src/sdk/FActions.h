#pragma once

#include <memory>

class FString;
class FSWFStream;

// Abstract action record.
class FActionRecord
{
public:
    virtual ~FActionRecord() = default;
    virtual void Write(FSWFStream& stream) const = 0;
};

// Opens a web address in a browser window (action 0x83). Both strings are required and owned;
// an empty target is written as a single zero byte.
class FActionGetURL : public FActionRecord
{
public:
    FActionGetURL(FString* url, FString* target);
    ~FActionGetURL() override;
    void Write(FSWFStream& stream) const override;

private:
    std::unique_ptr<FString> url;
    std::unique_ptr<FString> target;
};
