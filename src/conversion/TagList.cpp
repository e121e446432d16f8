#include "conversion/TagList.h"

#include "sdk/FDT.h"

namespace brindlecast
{

TagList::TagList() = default;
TagList::~TagList() = default;
TagList::TagList(TagList&&) noexcept = default;
TagList& TagList::operator=(TagList&&) noexcept = default;

void TagList::Add(FObj* tag)
{
    tags.emplace_back(tag);
}

const std::uint8_t* TagList::Keep(std::vector<std::uint8_t> bytes)
{
    // Moving a vector keeps its buffer, so the pointer survives the list growing.
    keptBytes.push_back(std::move(bytes));
    return keptBytes.back().data();
}

std::vector<std::unique_ptr<FObj>> TagList::TakeTags()
{
    return std::move(tags);
}

std::vector<std::vector<std::uint8_t>> TagList::TakeKeptBytes()
{
    return std::move(keptBytes);
}

} // namespace brindlecast
