#pragma once

#include <string>

class TBrindlecast;

namespace brindlecast
{

// The option control that takes the focus after a validation message.
enum class FocusControl { None, OutputPath, FrameRate, ImageDelay };

struct ValidationProblem {
    std::string message; // empty when the project may be converted
    FocusControl focus = FocusControl::None;

    bool Passed() const { return message.empty(); }
};

// The checks "Start Conversion" makes before running the project's packing mode: an image list
// for every mode, and an output name, a frame rate and an image delay for "All Gifs in 1 SWF".
[[nodiscard]] ValidationProblem ValidateConversion(const TBrindlecast& project);

} // namespace brindlecast
