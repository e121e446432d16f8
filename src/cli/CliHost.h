#pragma once

#include "conversion/ConversionHost.h"

#include <ctime>
#include <functional>
#include <string>

namespace brindlecast
{

// The conversion host of the command-line tool: progress as one rewritten line on standard
// error (only when that is a terminal), Ctrl+C as the cancel request, stamps in the user's
// locale (%x and %X), and the folder of the running executable.
class CliHost : public ConversionHost
{
public:
    using Clock = std::function<std::time_t()>;

    // `clock` gives the time that stamps report lines; `compressionThreads` 0 takes the
    // machine's count.
    explicit CliHost(Clock clock, unsigned compressionThreads = 0);

    // The current time, or SOURCE_DATE_EPOCH when that is set, so that scripts and tests can
    // fix the stamps.
    static Clock StampClock();

    bool HideProgress() const override { return !progressShown; }
    void ProgressStart(int maximum) override;
    void ProgressStep(int position) override;
    void ProgressBar(int position) override;
    void ProgressEnd() override;
    void SetStatusText(const std::string& text) override;
    bool CancelRequested() override;
    std::string DateStamp() override;
    std::string DateTimeStamp() override;
    std::string ProgramFolder() override;
    void OutputPathChanged(const std::string& path) override;
    void ExplainFailure(const std::string& detail) override;
    unsigned CompressionThreads() override;

private:
    void DrawProgress(int position);
    std::string Stamp(const char* format);

    Clock clock;
    unsigned threads;
    bool progressShown;
    int progressMaximum = 0;
    std::string status;
};

// Ctrl+C while a run is going asks it to stop before the next image; a second Ctrl+C ends the
// process at once.
void InstallCancelOnInterrupt();

} // namespace brindlecast
