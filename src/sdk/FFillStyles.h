#pragma once

#include "sdk/FTypes.h"

#include <memory>

class FColor;
class FMatrix;
class FSWFStream;

// Abstract fill style.
class FAFillStyle
{
public:
    virtual ~FAFillStyle() = default;
    virtual void Write(FSWFStream& stream) const = 0;
};

class FFillStyle : public FAFillStyle
{
};

// Solid colour fill; owns its colour.
class FFillStyleSolid : public FFillStyle
{
public:
    explicit FFillStyleSolid(FColor* color);
    ~FFillStyleSolid() override;
    void Write(FSWFStream& stream) const override;

private:
    std::unique_ptr<FColor> color;
};

// Bitmap fill with its own matrix, which it owns.
class FFillStyleBitmap : public FFillStyle
{
public:
    FFillStyleBitmap(U32 tiled, U16 bitmapId, FMatrix* matrix);
    ~FFillStyleBitmap() override;
    void Write(FSWFStream& stream) const override;

private:
    U32 tiled;
    U16 bitmapId;
    std::unique_ptr<FMatrix> matrix;
};

// Bitmap fill drawn one bitmap pixel per screen pixel: a fixed matrix of scale 20.0.
class FFillStyleBitmapZell : public FFillStyle
{
public:
    FFillStyleBitmapZell(U32 tiled, U16 bitmapId);
    void Write(FSWFStream& stream) const override;

private:
    U32 tiled;
    U16 bitmapId;
};
