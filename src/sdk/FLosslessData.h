#pragma once

#include "sdk/FTypes.h"

#include <future>
#include <vector>

class FCompressionPool;

// The zlib stream of a lossless bitmap: its colour table (4 bytes an entry with alpha, else 3)
// followed by its pixels ((width x height x 2^format + 7) / 8 bytes). Reads its inputs only
// while it runs and touches no shared state, so any thread may run it.
std::vector<U8> FCompressLosslessData(U8 format, U16 width, U16 height, U32 colorTableSize,
    const void* colorTable, const void* pixels, U8 withAlpha);

// The same bytes, made by the pool. Table and pixels are copied into one input that the job
// owns, so the caller's buffers may go as soon as this returns; waits while the pool is full.
std::future<std::vector<U8>> FCompressLosslessDataLater(FCompressionPool& pool, U8 format,
    U16 width, U16 height, U32 colorTableSize, const void* colorTable, const void* pixels,
    U8 withAlpha);
