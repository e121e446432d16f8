#include "cli/CliCommands.h"
#include "cli/CliUsage.h"
#include "cli/ProjectRun.h"
#include "cli/ThreadsOption.h"
#include "project/ProjectFileReader.h"

#include <algorithm>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace brindlecast
{

namespace
{
    // The window's option controls hold these ranges; a project file may hold anything.
    constexpr int kMinFrameRate = 1, kMaxFrameRate = 100;
    constexpr int kMinImageDelay = 0, kMaxImageDelay = 1000;

    struct ConvertRequest {
        std::string projectPath;
        unsigned threads = 0; // 0: the machine's count
        std::string usageError;
    };

    // One project file, with "--threads N" (or "--threads=N") before or after it.
    ConvertRequest ParseConvertArguments(const std::vector<std::string>& arguments)
    {
        ConvertRequest request;
        std::vector<std::string> files;
        for (std::size_t i = 0; i < arguments.size(); ++i) {
            const std::string& argument = arguments[i];
            std::optional<std::string> threads;
            if (argument == "--threads" && i + 1 < arguments.size())
                threads = arguments[++i];
            else if (argument.rfind("--threads=", 0) == 0)
                threads = argument.substr(10);
            else if (argument == "--threads")
                return { {}, 0, "--threads needs a value" };
            else if (argument.empty())
                return { {}, 0, "expects one project file" };
            else if (argument.front() == '-')
                return { {}, 0, "unknown option " + argument };
            else
                files.push_back(argument);
            if (threads) {
                const auto count = ParseThreadCount(*threads);
                if (!count)
                    return { {}, 0, ThreadCountError() };
                request.threads = *count;
            }
        }
        if (files.size() != 1)
            return { {}, 0, "expects one project file" };
        request.projectPath = files.front();
        return request;
    }
} // namespace

int RunConvertCommand(const std::vector<std::string>& arguments)
{
    if (AsksForHelp(arguments)) {
        std::fputs(kConvertUsage.data(), stdout);
        return kExitSuccess;
    }
    const ConvertRequest request = ParseConvertArguments(arguments);
    if (!request.usageError.empty())
        return UsageError("convert", request.usageError);

    TBrindlecast project, saved;
    const ProjectLoadOutcome outcome = LoadProjectFile(request.projectPath, project, saved);
    if (!outcome.message.empty())
        PrintMessage(outcome.message);
    if (!outcome.accepted())
        return kExitUsage;
    if (project.ActionType < 0 || project.ActionType > 2) {
        PrintMessage(
            request.projectPath + ": unknown packing mode " + std::to_string(project.ActionType));
        return kExitUsage;
    }
    // Validation sees the values as stored, so that a frame rate or delay of 0 gets its message.
    if (project.FrameRate != 0)
        project.FrameRate = std::clamp(project.FrameRate, kMinFrameRate, kMaxFrameRate);
    if (project.ImageDelay != 0)
        project.ImageDelay = std::clamp(project.ImageDelay, kMinImageDelay, kMaxImageDelay);
    return ConvertAndReport(project, request.threads);
}

} // namespace brindlecast
