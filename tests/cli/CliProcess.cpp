#include "CliProcess.h"

#include <cstdlib>
#include <sys/wait.h>

namespace
{

std::string quoted(const std::string& text)
{
    std::string result = "'";
    for (const char c : text)
        result += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return result + "'";
}

} // namespace

CliRun runCli(const std::vector<std::string>& arguments, const std::filesystem::path& folder,
    const std::string& program)
{
    const auto out = folder / ".cli-out";
    const auto err = folder / ".cli-err";
    std::string command = "cd " + quoted(folder.string())
        + " && SOURCE_DATE_EPOCH=1000000000 TZ=UTC LC_ALL=C " + quoted(program);
    for (const auto& argument : arguments)
        command += " " + quoted(argument);
    command += " >" + quoted(out.string()) + " 2>" + quoted(err.string()) + " </dev/null";
    const int status = std::system(command.c_str());
    CliRun run;
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.out = readFile(out);
    run.err = readFile(err);
    std::filesystem::remove(out);
    std::filesystem::remove(err);
    return run;
}
