#include "sdk/FActions.h"

#include "sdk/FCheck.h"
#include "sdk/FSWFStream.h"
#include "sdk/FString.h"

namespace
{
constexpr unsigned kActionGetURL = 0x83;
}

FActionGetURL::FActionGetURL(FString* url_, FString* target_)
    : url(url_)
    , target(target_)
{
    F_CHECK(url != nullptr && target != nullptr, "url && target");
}

FActionGetURL::~FActionGetURL() = default;

void FActionGetURL::Write(FSWFStream& stream) const
{
    FSWFStream strings;
    url->Write(strings, true);
    target->Write(strings, true);
    stream.PutU8(kActionGetURL);
    stream.PutU16(strings.ByteSize());
    stream.AppendStream(strings);
}
