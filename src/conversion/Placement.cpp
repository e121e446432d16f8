#include "conversion/Placement.h"

#include "sdk/FCTPlaceObject2.h"
#include "sdk/FMatrix.h"

namespace brindlecast
{

FCTPlaceObject2* NewPlacement(U16 characterId, U16 depth)
{
    return new FCTPlaceObject2(
        0, 1, 1, 0, depth, characterId, new FMatrix(), nullptr, 0, nullptr, 0);
}

} // namespace brindlecast
