#include "cli/CliCommands.h"

#include <algorithm>
#include <cstdio>

namespace brindlecast
{

void PrintMessage(const std::string& text)
{
    std::string message = text;
    for (std::size_t at = message.find("\r\n"); at != std::string::npos;
         at = message.find("\r\n", at))
        message.erase(at, 1);
    std::fprintf(stderr, "brindlecast-cli: %s\n", message.c_str());
}

int UsageError(const std::string& command, const std::string& problem)
{
    PrintMessage(command + ": " + problem);
    std::fprintf(stderr, "Try \"brindlecast-cli %s --help\".\n", command.c_str());
    return kExitUsage;
}

bool AsksForHelp(const std::vector<std::string>& arguments)
{
    return std::any_of(arguments.begin(), arguments.end(),
        [](const std::string& argument) { return argument == "--help" || argument == "-h"; });
}

} // namespace brindlecast
