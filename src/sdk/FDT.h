#pragma once

#include "sdk/FTypes.h"

class FSWFStream;

// A tag of a movie. Construction computes everything the tag needs; Write only serialises the
// complete tag, header included, so saving never changes the object.
class FObj
{
public:
    virtual ~FObj() = default;
    virtual void Write(FSWFStream& stream) = 0;
    virtual bool IsShowFrame() { return false; }
};

// Definition tag: defines a character with a 16-bit id.
class FDT : public FObj
{
public:
    void Write(FSWFStream&) override { }
    // Every concrete definition overrides this; reaching the base version is a programming error.
    virtual U16 CharacterId();
};

// Control tag: acts on the display list or the timeline.
class FCT : public FObj
{
public:
    void Write(FSWFStream&) override { }
};

// The process-wide character id counter: the first id of a movie is 1, and ids follow the order
// in which definitions are constructed. Saving a movie sets the counter back to 0.
U16 NextCharacterId();
void ResetCharacterIds();
