#pragma once

#include "conversion/ConversionHost.h"
#include "conversion/RunReport.h"

class TBrindlecast;

namespace brindlecast
{

// "All Gifs in 1 SWF": every picture, GIF frames included, in one movie at the project's
// frame rate, each for ImageDelay frames, on the background colour, under the optional link.
RunReport ConvertAllInOne(const TBrindlecast& project, ConversionHost& host);

// "1 SWF For each Gif": one single-frame movie per picture, beside its source.
RunReport ConvertEachImage(const TBrindlecast& project, ConversionHost& host);

// "SWF Image Library": one movie that defines every picture and exports it by name.
RunReport ConvertImageLibrary(const TBrindlecast& project, ConversionHost& host);

// Runs the project's packing mode; an unknown ActionType runs nothing and gives an empty
// report. Validation (ValidateConversion) comes first and is the caller's.
RunReport ConvertProject(const TBrindlecast& project, ConversionHost& host);

} // namespace brindlecast
