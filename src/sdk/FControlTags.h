#pragma once

#include "sdk/FDT.h"

#include <memory>

class FColorZell;

// Takes the character off a depth (code 5).
class FCTRemoveObject : public FCT
{
public:
    FCTRemoveObject(U16 characterId, U16 depth);
    void Write(FSWFStream& stream) override;

private:
    U16 characterId;
    U16 depth;
};

// Stage colour (code 9), always three bytes; owns the colour.
class FCTSetBackgroundColor : public FCT
{
public:
    explicit FCTSetBackgroundColor(FColorZell* color);
    ~FCTSetBackgroundColor() override;
    void Write(FSWFStream& stream) override;

private:
    std::unique_ptr<FColorZell> color;
};

// Ends a frame (code 1); each one added to a movie counts one frame.
class FCTShowFrame : public FCT
{
public:
    void Write(FSWFStream& stream) override;
    bool IsShowFrame() override { return true; }
};
