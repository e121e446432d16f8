#pragma once

#include "sdk/FTypes.h"

class FADefineShape;

namespace brindlecast
{

// Adds a straight edge of (deltaX, deltaY) twips to `shape`. An edge record holds at most
// 65535 twips per axis, so a longer edge (a picture over 3276 pixels) becomes several equal
// records along the same line.
void AddStraightEdge(FADefineShape& shape, S32 deltaX, S32 deltaY);

} // namespace brindlecast
