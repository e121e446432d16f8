#pragma once

#include "sdk/FTypes.h"

#include <cstddef>

// Where a finished movie's bytes go: a file, or a compressor in front of one. Write reports
// false once any write has failed; later writes then do nothing.
class FByteSink
{
public:
    virtual ~FByteSink() = default;
    [[nodiscard]] virtual bool Write(const U8* data, std::size_t length) = 0;
};
