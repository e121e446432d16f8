#include "cli/CliCommands.h"
#include "cli/CliUsage.h"
#include "cli/MakeOptions.h"
#include "cli/ProjectRun.h"

#include <cstdio>
#include <filesystem>

namespace brindlecast
{

int RunMakeCommand(const std::vector<std::string>& arguments)
{
    std::error_code error;
    const std::filesystem::path current = std::filesystem::current_path(error);
    const MakeRequest request
        = ParseMakeArguments(arguments, error ? "./" : current.string() + "/");
    if (request.help) {
        std::fputs(kMakeUsage.data(), stdout);
        return kExitSuccess;
    }
    if (!request.usageError.empty())
        return UsageError("make", request.usageError);
    return ConvertAndReport(request.project, request.threads);
}

} // namespace brindlecast
