#pragma once

#include "sdk/FFillStyles.h"
#include "sdk/FLineStyle.h"
#include "sdk/FTypes.h"

#include <memory>
#include <vector>

class FSWFStream;

// The fill styles of a shape, in index order; owns them. Add returns the new style's 1-based
// index.
class FFillStyleArray
{
public:
    virtual ~FFillStyleArray() = default;
    U32 Add(FAFillStyle* fillStyle);
    U32 Count() const { return static_cast<U32>(styles.size()); }
    virtual void Write(FSWFStream& stream) const;

private:
    std::vector<std::unique_ptr<FAFillStyle>> styles;
};

// The line styles of a shape, in index order; owns them.
class FLineStyleArray
{
public:
    U32 Add(FALineStyle* lineStyle);
    U32 Count() const { return static_cast<U32>(styles.size()); }
    void Write(FSWFStream& stream) const;

private:
    std::vector<std::unique_ptr<FALineStyle>> styles;
};
