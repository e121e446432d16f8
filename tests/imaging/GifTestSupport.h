#pragma once

#include "FixturePattern.h"
#include "imaging/GifColorMap.h"

namespace brindlecast::imaging
{

// The colour table a fixture stores for `colors` entries with `seed`, as the reader gives it.
inline GifColorMap fixtureColorMap(int storedEntries, int seed)
{
    GifColorMap colors;
    for (int i = 0; i < storedEntries; ++i) {
        const fixtures::FixtureRgb rgb = fixtures::patternColor(i, seed);
        colors.push_back(GifColor { rgb.red, rgb.green, rgb.blue });
    }
    return colors;
}

} // namespace brindlecast::imaging
