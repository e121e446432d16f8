#pragma once

#include <string>

namespace brindlecast::imaging
{

// What the markers of a JPEG file say about its picture, read without decoding any pixels.
struct JpegHeader {
    int width = 0; // pixels
    int height = 0;
    int channels = 0; // 1 for grey, 3 for colour
    bool progressive = false; // coded in several scans that refine the picture
    std::string warning; // what libjpeg noticed while reading the markers; empty when nothing

    bool grey() const { return channels == 1; }
};

} // namespace brindlecast::imaging
