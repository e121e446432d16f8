#include "cli/ProjectRun.h"

#include "cli/CliCommands.h"
#include "cli/CliHost.h"
#include "conversion/ConversionModes.h"
#include "conversion/ConversionValidation.h"
#include "project/TBrindlecast.h"

#include <algorithm>
#include <cstdio>

namespace brindlecast
{

int ConvertAndReport(const TBrindlecast& project, unsigned compressionThreads)
{
    const auto problem = ValidateConversion(project);
    if (!problem.Passed()) {
        PrintMessage(problem.message);
        return kExitUsage;
    }
    CliHost host(CliHost::StampClock(), compressionThreads);
    InstallCancelOnInterrupt();
    const RunReport report = ConvertProject(project, host);
    for (const auto& line : report.Lines())
        std::printf("%s\n", line.c_str());
    // Scripts read the report from here; losing it must not look like success.
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        PrintMessage("could not write the report to standard output");
        return kExitErrorLines;
    }
    const auto& lines = report.Lines();
    return std::any_of(lines.begin(), lines.end(), IsErrorLine) ? kExitErrorLines : kExitSuccess;
}

} // namespace brindlecast
