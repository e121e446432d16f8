#pragma once

#include "swfread/SwfBitmaps.h"
#include "swfread/SwfButton.h"
#include "swfread/SwfControlTags.h"
#include "swfread/SwfReadResult.h"
#include "swfread/SwfShape.h"
#include "swfread/SwfTag.h"

#include <vector>

namespace brindlecast::swfread
{

// Decoders of single tags. Each checks the tag's code and that its records fill the body
// exactly; the error names the tag and what failed.
SwfReadResult<SwfShape> decodeShape(const SwfTag& tag);
SwfReadResult<SwfLosslessBitmap> decodeLosslessBitmap(const SwfTag& tag);
SwfReadResult<SwfJpegBitmap> decodeJpegBitmap(const SwfTag& tag);
SwfReadResult<SwfButton> decodeButton(const SwfTag& tag);
SwfReadResult<SwfPlaceObject> decodePlaceObject(const SwfTag& tag);
SwfReadResult<SwfRemoveObject> decodeRemoveObject(const SwfTag& tag);
SwfReadResult<SwfColor> decodeBackgroundColor(const SwfTag& tag);
SwfReadResult<std::vector<SwfAsset>> decodeExportAssets(const SwfTag& tag);

} // namespace brindlecast::swfread
