#pragma once

#include "sdk/FTypes.h"

#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <string_view>
#include <vector>

class FSWFStream;

namespace sdktest
{

using Bytes = std::vector<U8>;

// "46 57 53" -> the three bytes; whitespace between bytes is ignored.
Bytes Hex(std::string_view text);
Bytes Concat(std::initializer_list<Bytes> parts);

// The logical content of a stream (bytes with blocks spliced in), as WriteOut delivers it.
Bytes Contents(FSWFStream& stream);

// Equal, or a failure that shows both sides in hex from the first differing byte.
::testing::AssertionResult SameBytes(const Bytes& actual, const Bytes& expected);

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

Bytes ReadFile(const std::string& path);

} // namespace sdktest
