#include "sdk/FDT.h"

#include "sdk/FCheck.h"

namespace
{
U16 characterIdCounter = 0;
}

U16 FDT::CharacterId()
{
    F_CHECK(false, "0");
    return 0;
}

U16 NextCharacterId()
{
    return ++characterIdCounter;
}

void ResetCharacterIds()
{
    characterIdCounter = 0;
}
