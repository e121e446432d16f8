#include "project/ImageListReader.h"

#include "project/ProjectFormat.h"
#include "project/ProjectText.h"

#include <cstddef>
#include <utility>

namespace
{

// Finds the first occurrence of a tag within a shrinking tail of one text. The tail only ever
// loses characters at its front (and blanks at its back, which no tag ends in), so an
// occurrence once found stays the first one until the tail's start passes it. Searching again
// only then keeps a long list, or a long run of leftover text, linear instead of quadratic.
class TailTagFinder
{
public:
    TailTagFinder(std::string_view whole, std::string tag)
        : whole_(whole)
        , tag_(std::move(tag))
    {
    }

    // 1-based position of the tag within tail (a suffix of the whole text), 0 when absent.
    std::ptrdiff_t PositionIn(std::string_view tail)
    {
        const auto tailStart = static_cast<std::size_t>(tail.data() - whole_.data());
        if (!searched_ || (found_ != std::string_view::npos && found_ < tailStart)) {
            found_ = whole_.find(tag_, tailStart);
            searched_ = true;
        }
        if (found_ == std::string_view::npos || found_ + tag_.size() > tailStart + tail.size())
            return 0;
        return static_cast<std::ptrdiff_t>(found_ - tailStart) + 1;
    }

    std::ptrdiff_t Length() const { return static_cast<std::ptrdiff_t>(tag_.size()); }

private:
    std::string_view whole_;
    std::string tag_;
    bool searched_ = false;
    std::size_t found_ = std::string_view::npos;
};

} // namespace

std::vector<std::string> ReadImageEntries(std::string_view imageListContent)
{
    TailTagFinder opening(imageListContent, OpenTag(ProjectFormat::kImageElement));
    TailTagFinder closing(imageListContent, CloseTag(ProjectFormat::kImageElement));
    std::vector<std::string> entries;
    // Trimmed before the first round too: the line breaks around an empty list are no entry.
    std::string_view rest = TrimControlsAndBlanks(imageListContent);
    while (!rest.empty()) {
        const std::ptrdiff_t closeAt = closing.PositionIn(rest);
        entries.push_back(
            ExtractElementTextAt(rest, opening.PositionIn(rest), opening.Length(), closeAt));
        // Cut after the first closing tag; without one this drops the first seven characters.
        const auto restLength = static_cast<std::ptrdiff_t>(rest.size());
        rest = CopyText(
            rest, closeAt + closing.Length(), restLength - closeAt - closing.Length() + 1);
        rest = TrimControlsAndBlanks(rest);
    }
    return entries;
}
