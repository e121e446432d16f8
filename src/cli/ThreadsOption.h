#pragma once

#include <optional>
#include <string>

namespace brindlecast
{

// "--threads N" of convert and make: how many threads compress the bitmaps of a movie. Without
// it the run uses one per core; 1 compresses each bitmap on the run's own thread. The movie is
// the same whatever the count.
inline constexpr unsigned kMaxThreads = 64;

// N from 1 to kMaxThreads, or nothing.
std::optional<unsigned> ParseThreadCount(const std::string& text);

// The usage problem of a bad value.
std::string ThreadCountError();

} // namespace brindlecast
