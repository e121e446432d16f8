#pragma once

#include "swfread/SwfControlTags.h"
#include "swfread/SwfDisplayObject.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace brindlecast::swfread
{

// The display list of every frame: built by applying the placements and removals in file order,
// each ShowFrame closing a frame. Frames between which nothing changed share one stored list,
// so a long movie of few pictures stays small. Changes after the last ShowFrame belong to no
// frame.
class SwfTimeline
{
public:
    // Over this many objects summed over the distinct stored lists, building fails, so that a
    // hostile file cannot grow the lists quadratically.
    static constexpr size_t kMaxStoredObjects = size_t { 1 } << 20;

    size_t frameCount() const { return frameLists_.size(); }
    // The display list of frame `index` (from 0); empty for an index past the last frame.
    const SwfDisplayList& frame(size_t index) const;
    // The object on `depth` in frame `index`, or null.
    const SwfDisplayObject* objectAt(size_t index, uint16_t depth) const;

    // A new character replaces whatever stood on its depth; a move without a character changes
    // the object there and is ignored on an empty depth.
    void place(const SwfPlaceObject& place);
    // Empties the depth, whichever character stands there.
    void remove(const SwfRemoveObject& remove);
    // Throws SwfFormatError when the stored lists would pass kMaxStoredObjects.
    void showFrame();

private:
    SwfDisplayList::iterator findDepth(uint16_t depth);

    SwfDisplayList current_;
    bool changedSinceLastFrame_ = true;
    std::vector<SwfDisplayList> storedLists_;
    std::vector<uint32_t> frameLists_; // index into storedLists_ per frame
    size_t storedObjects_ = 0;
};

} // namespace brindlecast::swfread
