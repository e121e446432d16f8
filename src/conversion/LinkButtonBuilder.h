#pragma once

#include "conversion/TagList.h"
#include "sdk/FColor.h"
#include "sdk/FTypes.h"

#include <string>

namespace brindlecast
{

// A rectangle from (left, top) to (right, bottom) twips filled with `fill`, with a one-pixel
// black outline. Returns its id.
S32 BuildLinkAreaShape(TagList& tags, const FColor& fill, S32 left, S32 right, S32 top, S32 bottom);

// The invisible button over the whole movie that opens `link` in the window `target` when
// clicked: four state shapes, the button, and its placement on depth 2.
void BuildLinkButton(TagList& tags, S32 movieWidthTwips, S32 movieHeightTwips,
    const std::string& link, const std::string& target);

} // namespace brindlecast
