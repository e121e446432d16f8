#include "cli/CliHost.h"

#include "cli/CliCommands.h"
#include "conversion/RunProgress.h"

#include <climits>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>

namespace brindlecast
{
namespace
{

    volatile std::sig_atomic_t interruptRequested = 0;

    void OnInterrupt(int)
    {
        interruptRequested = 1;
        std::signal(SIGINT, SIG_DFL);
    }

    std::string ExecutableFolder()
    {
        char path[PATH_MAX];
        const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
        if (length <= 0)
            return "./";
        const std::string executable(path, static_cast<std::size_t>(length));
        return executable.substr(0, executable.rfind('/') + 1);
    }

} // namespace

void InstallCancelOnInterrupt()
{
    std::signal(SIGINT, OnInterrupt);
}

CliHost::Clock CliHost::StampClock()
{
    return [] {
        const char* fixed = std::getenv("SOURCE_DATE_EPOCH");
        if (fixed != nullptr && *fixed != '\0') {
            char* end = nullptr;
            const long long seconds = std::strtoll(fixed, &end, 10);
            if (*end == '\0')
                return static_cast<std::time_t>(seconds);
        }
        return std::time(nullptr);
    };
}

CliHost::CliHost(Clock runClock, unsigned compressionThreads)
    : clock(std::move(runClock))
    , threads(compressionThreads)
    , progressShown(isatty(STDERR_FILENO) == 1)
{
}

void CliHost::DrawProgress(int position)
{
    const std::string label = status.empty()
        ? PercentText(position, progressMaximum)
        : status + " " + PercentText(position, progressMaximum);
    std::fprintf(stderr, "\r\033[K%s", label.c_str());
    std::fflush(stderr);
}

void CliHost::ProgressStart(int maximum)
{
    progressMaximum = maximum;
    DrawProgress(0);
}

void CliHost::ProgressStep(int position)
{
    DrawProgress(position);
}

void CliHost::ProgressBar(int) { }

void CliHost::ProgressEnd()
{
    std::fputs("\r\033[K", stderr);
    std::fflush(stderr);
}

void CliHost::SetStatusText(const std::string& text)
{
    status = text == "Idle." ? std::string() : text;
}

bool CliHost::CancelRequested()
{
    return interruptRequested != 0;
}

std::string CliHost::Stamp(const char* format)
{
    const std::time_t now = clock();
    std::tm local {};
    localtime_r(&now, &local);
    char text[128];
    const std::size_t length = std::strftime(text, sizeof text, format, &local);
    return std::string(text, length);
}

std::string CliHost::DateStamp()
{
    return Stamp("%x");
}

std::string CliHost::DateTimeStamp()
{
    return Stamp("%x %X");
}

std::string CliHost::ProgramFolder()
{
    return ExecutableFolder();
}

// The project file is never rewritten; the report line names the movie written.
void CliHost::OutputPathChanged(const std::string&) { }

void CliHost::ExplainFailure(const std::string& detail)
{
    if (progressShown)
        std::fputs("\r\033[K", stderr);
    PrintMessage(detail);
}

unsigned CliHost::CompressionThreads()
{
    return threads != 0 ? threads : ConversionHost::CompressionThreads();
}

} // namespace brindlecast
