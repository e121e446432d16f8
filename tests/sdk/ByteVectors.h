#pragma once

#include "HexBytes.h"
#include "sdk/FTypes.h"

#include <functional>
#include <string>
#include <vector>

class FSWFStream;

namespace sdktest
{

using brindlecast::testsupport::Bytes;
using brindlecast::testsupport::concat;
using brindlecast::testsupport::hexBytes;
using brindlecast::testsupport::sameBytes;

// The logical content of a stream (bytes with blocks spliced in), as WriteOut delivers it.
Bytes Contents(FSWFStream& stream);

// A named byte vector: how the bytes are made, and what they must be.
struct Vector {
    std::string name;
    std::function<void(FSWFStream&)> write;
    Bytes want;
};

// Writes every vector into a fresh stream (character ids restarted) and compares.
void CheckVectors(const std::vector<Vector>& vectors);

// zlib-inflates a whole stream; fails the test on malformed data.
Bytes Inflate(const U8* data, std::size_t length);

} // namespace sdktest
