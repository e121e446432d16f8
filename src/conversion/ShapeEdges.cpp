#include "conversion/ShapeEdges.h"

#include "sdk/FADefineShape.h"
#include "sdk/FShapeRecords.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace brindlecast
{

namespace
{
    constexpr std::int64_t kMaxEdgeDelta = 65535;
}

void AddStraightEdge(FADefineShape& shape, S32 deltaX, S32 deltaY)
{
    const std::int64_t longest = std::max(std::llabs(deltaX), std::llabs(deltaY));
    const std::int64_t pieces
        = std::max<std::int64_t>(1, (longest + kMaxEdgeDelta - 1) / kMaxEdgeDelta);
    std::int64_t doneX = 0, doneY = 0;
    for (std::int64_t i = 1; i <= pieces; ++i) {
        const std::int64_t reachX = deltaX * i / pieces, reachY = deltaY * i / pieces;
        shape.AddShapeRecord(new FShapeRecEdgeStraight(
            static_cast<S32>(reachX - doneX), static_cast<S32>(reachY - doneY)));
        doneX = reachX;
        doneY = reachY;
    }
}

} // namespace brindlecast
