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

// The values the image information panel shows for a JPEG file. The fields after `progressive`
// are settings of a JPEG reader that this program does not have; they hold the values a
// freshly created reader shows.
struct JpegInfo {
    std::uintmax_t fileSize = 0; // bytes
    int width = 0; // pixels, from the header
    int height = 0;
    bool grey = false; // a one-channel file
    bool progressive = false; // progressive encoding: more than one scan

    int compressionQuality = 90; // the panel shows 100 minus this, then " %"
    bool greyOutput = false; // grey files show grey "on" all the same
    bool bestSpeed = false; // performance: false is "Optimized for quality."
    int pixelFormatBits = 24; // 24 is "jf24Bit", 8 would be "jf8Bit"
    bool progressiveDisplay = false;
    int scale = 0; // 0 full, 1 half, 2 quarter, 3 eighth
    bool smoothing = true;
};

} // namespace brindlecast::imaging
