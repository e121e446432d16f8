#pragma once

#include "swfread/SwfBitmaps.h"
#include "swfread/SwfButton.h"
#include "swfread/SwfControlTags.h"
#include "swfread/SwfShape.h"
#include "swfread/SwfTag.h"

#include <initializer_list>
#include <string>
#include <vector>

namespace brindlecast::swfread
{

// Decoders of one tag body each. They throw SwfFormatError when the body breaks the format; the
// public functions in SwfTagDecoders.h and the movie reader turn that into an error value.

inline constexpr uint32_t kMaxBitmapPixels = 64u * 1024 * 1024;

void expectTagCode(
    const SwfTag& tag, std::initializer_list<uint16_t> codes, const std::string& kind);

SwfShape parseShape(const SwfTag& tag);
SwfLosslessBitmap parseLosslessBitmap(const SwfTag& tag);
SwfJpegBitmap parseJpegBitmap(const SwfTag& tag);
SwfButton parseButton(const SwfTag& tag);
SwfPlaceObject parsePlaceObject(const SwfTag& tag);
SwfRemoveObject parseRemoveObject(const SwfTag& tag);
SwfColor parseBackgroundColor(const SwfTag& tag);
std::vector<SwfAsset> parseExportAssets(const SwfTag& tag);
void parseShowFrame(const SwfTag& tag);

} // namespace brindlecast::swfread
