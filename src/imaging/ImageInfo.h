#pragma once

#include <cstdint>

namespace brindlecast::imaging
{

// The values the image information panel shows for a GIF file. The last four are settings
// of the image library rather than properties of the file; they have fixed values here.
struct GifInfo {
    std::uintmax_t fileSize = 0; // bytes
    int width = 0; // logical screen size in pixels
    int height = 0;
    // Largest colour-table depth over the global table and every local table, where a
    // table's depth is 0 when absent, else the smallest n >= 1 with 2^n >= its entry count.
    int bitsPerPixel = 0;
    // Largest (depth - 1) over the same tables: -1 for a file without any colour table.
    int colorResolution = -1;
    // 0 no frames, 1 "87a", 2 "89a": 89a as soon as any frame has an extension block
    // attached; the header's signature is not consulted.
    int version = 0;
    bool transparent = false; // any frame's graphic control sets its transparency flag
    std::uint32_t backgroundColor = 0; // 0x00BBGGRR

    int reductionBits = 8;
    int compression = 0; // 0 LZW, 1 RLE
    int colorReduction = 6;
    int ditherMode = 0;
};

} // namespace brindlecast::imaging
