#pragma once

#include "sdk/FTypes.h"

#include <memory>

class FColor;
class FSWFStream;

// Abstract line style.
class FALineStyle
{
public:
    virtual ~FALineStyle() = default;
    virtual void Write(FSWFStream& stream) const = 0;
};

// Solid line: width in twips (written in 16 bits) and a colour, which it owns.
class FLineStyle : public FALineStyle
{
public:
    FLineStyle(U32 width, FColor* color);
    ~FLineStyle() override;
    void Write(FSWFStream& stream) const override;

private:
    U32 width;
    std::unique_ptr<FColor> color;
};
