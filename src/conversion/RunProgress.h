#pragma once

#include "conversion/ConversionHost.h"

#include <string>

namespace brindlecast
{

// "37 %": position × 100 ÷ maximum with the remainder dropped. A maximum of 0 gives "0 %".
std::string PercentText(int position, int maximum);

// The progress calls of one run, made only while the host does not hide progress.
class RunProgress
{
public:
    // Shows the progress at 0 of `imageCount`; a non-empty `startStatus` goes to the status
    // text first.
    RunProgress(ConversionHost& host, int imageCount, const std::string& startStatus = {});

    void BeforeImage(int index);
    void BarOnly(int position);
    // "Idle." in the status text, progress hidden.
    void Finish();

private:
    ConversionHost& host;
    bool shown;
};

} // namespace brindlecast
