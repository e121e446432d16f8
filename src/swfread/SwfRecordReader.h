#pragma once

#include "swfread/SwfBitReader.h"
#include "swfread/SwfRecords.h"

namespace brindlecast::swfread
{

// Readers of the basic records; each starts on a byte boundary and leaves the reader after the
// record's last bit (records that end on a byte boundary in the format align themselves).
SwfRect readRect(SwfBitReader& reader);
SwfMatrix readMatrix(SwfBitReader& reader);
SwfColor readRgb(SwfBitReader& reader);
SwfColorTransform readColorTransformWithAlpha(SwfBitReader& reader);

} // namespace brindlecast::swfread
