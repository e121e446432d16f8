#include "swfread/SwfTimeline.h"

#include "swfread/SwfFormatError.h"

#include <algorithm>

namespace brindlecast::swfread
{

const SwfDisplayList& SwfTimeline::frame(size_t index) const
{
    static const SwfDisplayList empty;
    return index < frameLists_.size() ? storedLists_[frameLists_[index]] : empty;
}

const SwfDisplayObject* SwfTimeline::objectAt(size_t index, uint16_t depth) const
{
    const SwfDisplayList& list = frame(index);
    const auto found = std::ranges::find(list, depth, &SwfDisplayObject::depth);
    return found == list.end() ? nullptr : &*found;
}

SwfDisplayList::iterator SwfTimeline::findDepth(uint16_t depth)
{
    return std::ranges::lower_bound(current_, depth, {}, &SwfDisplayObject::depth);
}

void SwfTimeline::place(const SwfPlaceObject& place)
{
    auto slot = findDepth(place.depth);
    const bool occupied = slot != current_.end() && slot->depth == place.depth;
    if (place.characterId && !(place.move && occupied)) {
        SwfDisplayObject fresh;
        fresh.depth = place.depth;
        if (occupied)
            *slot = fresh;
        else
            slot = current_.insert(slot, fresh);
    } else if (!occupied) {
        return;
    }
    SwfDisplayObject& object = *slot;
    if (place.characterId)
        object.characterId = *place.characterId;
    if (place.matrix)
        object.matrix = *place.matrix;
    if (place.colorTransform)
        object.colorTransform = place.colorTransform;
    if (place.ratio)
        object.ratio = *place.ratio;
    if (place.name)
        object.name = *place.name;
    if (place.clipDepth)
        object.clipDepth = place.clipDepth;
    changedSinceLastFrame_ = true;
}

void SwfTimeline::remove(const SwfRemoveObject& remove)
{
    const auto slot = findDepth(remove.depth);
    if (slot != current_.end() && slot->depth == remove.depth) {
        current_.erase(slot);
        changedSinceLastFrame_ = true;
    }
}

void SwfTimeline::showFrame()
{
    if (changedSinceLastFrame_) {
        if (storedObjects_ + current_.size() > kMaxStoredObjects)
            throw SwfFormatError("the display lists of the frames hold more than "
                + std::to_string(kMaxStoredObjects) + " objects");
        storedObjects_ += current_.size();
        storedLists_.push_back(current_);
        changedSinceLastFrame_ = false;
    }
    frameLists_.push_back(static_cast<uint32_t>(storedLists_.size() - 1));
}

} // namespace brindlecast::swfread
