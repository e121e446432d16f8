#pragma once

#include "sdk/FTypes.h"

class FCTPlaceObject2;

namespace brindlecast
{

// A new character on `depth` at the origin: identity matrix, ratio 0, no colour transform, no
// name. Every picture goes on depth 1, the link button on depth 2.
FCTPlaceObject2* NewPlacement(U16 characterId, U16 depth);

inline constexpr U16 kPictureDepth = 1;
inline constexpr U16 kLinkButtonDepth = 2;

} // namespace brindlecast
