#pragma once

#include <cstdint>
#include <memory>
#include <vector>

class FObj;

namespace brindlecast
{

// Tags of one picture, kept apart from the movie until the whole image has been read, so that
// a file that fails half-way adds nothing. It also keeps alive the bulk bytes (JPEG data) the
// tags point to; the movie takes both over.
class TagList
{
public:
    TagList();
    ~TagList();
    TagList(TagList&&) noexcept;
    TagList& operator=(TagList&&) noexcept;

    void Add(FObj* tag); // takes ownership
    // Keeps `bytes` alive as long as the tags; the returned pointer stays valid.
    const std::uint8_t* Keep(std::vector<std::uint8_t> bytes);

    bool Empty() const { return tags.empty(); }
    std::vector<std::unique_ptr<FObj>> TakeTags();
    std::vector<std::vector<std::uint8_t>> TakeKeptBytes();

private:
    std::vector<std::vector<std::uint8_t>> keptBytes;
    std::vector<std::unique_ptr<FObj>> tags;
};

} // namespace brindlecast
