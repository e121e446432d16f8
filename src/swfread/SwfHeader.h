#pragma once

#include "swfread/SwfRecords.h"

#include <cstdint>
#include <string>

namespace brindlecast::swfread
{

struct SwfHeader {
    std::string signature; // "FWS" or "CWS"
    uint8_t version = 0;
    uint32_t fileLength = 0; // of the uncompressed file, header included
    SwfRect frameSize; // twips
    uint16_t frameRate = 0; // 8.8 fixed point: 12 frames per second is 0x0C00
    uint16_t frameCount = 0;
    uint32_t headerLength = 0; // bytes before the first tag
    bool operator==(const SwfHeader&) const = default;
};

} // namespace brindlecast::swfread
