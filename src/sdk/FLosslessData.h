#pragma once

#include "sdk/FTypes.h"

#include <vector>

// The zlib stream of a lossless bitmap: its colour table (4 bytes an entry with alpha, else 3)
// followed by its pixels ((width x height x 2^format + 7) / 8 bytes). Reads its inputs only
// while it runs and touches no shared state, so it can run ahead of the tag's construction.
std::vector<U8> FCompressLosslessData(U8 format, U16 width, U16 height, U32 colorTableSize,
    const void* colorTable, const void* pixels, U8 withAlpha);
