#pragma once

#include "FuzzBytes.h"
#include "swfread/SwfRecords.h"

class FCXFormWAlpha;
class FColor;
class FMatrix;
class FRect;

namespace brindlecast::fuzz
{

// Random basic records within the ranges the writer's fields hold, each with the value the
// reader must give back. Bit widths are the writer's choice: expectations leave them 0, and
// read values are compared after clearWidths.

struct RandomMatrix {
    FMatrix* record; // owned by whoever it is handed to
    swfread::SwfMatrix expected;
};
RandomMatrix randomMatrix(FuzzBytes& bytes);

struct RandomColorTransform {
    FCXFormWAlpha* record;
    swfread::SwfColorTransform expected;
};
RandomColorTransform randomColorTransform(FuzzBytes& bytes);

struct RandomRect {
    FRect* record;
    swfread::SwfRect expected;
};
RandomRect randomRect(FuzzBytes& bytes);

struct RandomColor {
    FColor* record;
    swfread::SwfColor expected;
};
RandomColor randomColor(FuzzBytes& bytes);

void clearWidths(swfread::SwfMatrix& matrix);
void clearWidths(swfread::SwfColorTransform& transform);
void clearWidths(swfread::SwfRect& rect);

} // namespace brindlecast::fuzz
