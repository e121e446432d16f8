#pragma once

#include <algorithm>
#include <string>
#include <thread>

namespace brindlecast
{

// What a conversion run needs from the program that started it: the progress display, the
// cancel request, the clock that stamps report lines, the program's own folder and the place
// where a completed output name goes. The window implements it with its dialogs and controls,
// the command-line tool with standard error, and tests with a recorder.
class ConversionHost
{
public:
    virtual ~ConversionHost() = default;

    // While true the run shows no progress at all and leaves the status text alone.
    virtual bool HideProgress() const = 0;

    // Bar at 0 of `maximum`, percentage label, progress shown, pending events processed once.
    virtual void ProgressStart(int maximum) = 0;
    // Bar and percentage label at `position`, pending events processed once (a cancel
    // request made by the user is seen here).
    virtual void ProgressStep(int position) = 0;
    // Bar only, the label keeps its text.
    virtual void ProgressBar(int position) = 0;
    virtual void ProgressEnd() = 0;
    virtual void SetStatusText(const std::string& text) = 0;

    virtual bool CancelRequested() = 0;

    // The user's short date, and the short date followed by the time.
    virtual std::string DateStamp() = 0;
    virtual std::string DateTimeStamp() = 0;

    // Folder of the program's executable, ending in "/": where a bare output name goes.
    virtual std::string ProgramFolder() = 0;
    // The run completed the output name (folder, ".swf"); the project's Output takes it.
    virtual void OutputPathChanged(const std::string& path) = 0;

    // Why an image or a movie failed, naming the file, beside the report's fixed line for it.
    virtual void ExplainFailure(const std::string& detail) = 0;

    // Threads that compress the lossless bitmaps of a movie while the run goes on; 1 compresses
    // each bitmap on the run's own thread as it is made. Every count writes the same bytes.
    virtual unsigned CompressionThreads()
    {
        return std::max(1u, std::thread::hardware_concurrency());
    }
};

} // namespace brindlecast
