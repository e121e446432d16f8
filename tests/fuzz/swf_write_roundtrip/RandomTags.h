#pragma once

#include "FuzzBytes.h"
#include "swfread/SwfTag.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

class FObj;

namespace brindlecast::fuzz
{

// One random tag object of the writer and how its tag must read back.
struct PlannedTag {
    FObj* object; // for the movie to own
    // Empty when the stored tag decodes to what was planned, else what differs.
    std::function<std::string(const swfread::SwfTag&)> mismatch;
};

// Bulk data the writer refers to without copying (embedded JPEG files); it must outlive the
// movie's writing.
using KeptBytes = std::deque<std::vector<std::uint8_t>>;

// Any tag the writer offers, with contents drawn from `bytes` within the writer's ranges.
PlannedTag planRandomTag(FuzzBytes& bytes, KeptBytes& kept);

} // namespace brindlecast::fuzz
