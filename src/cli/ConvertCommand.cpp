#include "cli/CliCommands.h"
#include "cli/CliUsage.h"
#include "cli/ProjectRun.h"
#include "project/ProjectFileReader.h"

#include <algorithm>
#include <cstdio>

namespace brindlecast
{

namespace
{
    // The window's option controls hold these ranges; a project file may hold anything.
    constexpr int kMinFrameRate = 1, kMaxFrameRate = 100;
    constexpr int kMinImageDelay = 0, kMaxImageDelay = 1000;
} // namespace

int RunConvertCommand(const std::vector<std::string>& arguments)
{
    if (AsksForHelp(arguments)) {
        std::fputs(kConvertUsage.data(), stdout);
        return kExitSuccess;
    }
    if (arguments.size() != 1 || arguments.front().empty() || arguments.front().front() == '-')
        return UsageError("convert", "expects one project file");

    TBrindlecast project, saved;
    const ProjectLoadOutcome outcome = LoadProjectFile(arguments.front(), project, saved);
    if (!outcome.message.empty())
        PrintMessage(outcome.message);
    if (!outcome.accepted())
        return kExitUsage;
    if (project.ActionType < 0 || project.ActionType > 2) {
        PrintMessage(
            arguments.front() + ": unknown packing mode " + std::to_string(project.ActionType));
        return kExitUsage;
    }
    // Validation sees the values as stored, so that a frame rate or delay of 0 gets its message.
    if (project.FrameRate != 0)
        project.FrameRate = std::clamp(project.FrameRate, kMinFrameRate, kMaxFrameRate);
    if (project.ImageDelay != 0)
        project.ImageDelay = std::clamp(project.ImageDelay, kMinImageDelay, kMaxImageDelay);
    return ConvertAndReport(project);
}

} // namespace brindlecast
