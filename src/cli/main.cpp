#include "cli/CliCommands.h"
#include "cli/CliUsage.h"

#include <clocale>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

using namespace brindlecast;

int main(int argc, char** argv)
{
    // Report stamps follow the user's date and time formats.
    std::setlocale(LC_TIME, "");

    const std::vector<std::string> arguments(argv + 1, argv + argc);
    if (arguments.empty()) {
        std::fputs(kMainUsage.data(), stderr);
        return kExitUsage;
    }
    const std::string& command = arguments.front();
    if (command == "--help" || command == "-h" || command == "help") {
        std::fputs(kMainUsage.data(), stdout);
        return kExitSuccess;
    }
    const std::map<std::string, int (*)(const std::vector<std::string>&)> commands = {
        { "convert", RunConvertCommand },
        { "make", RunMakeCommand },
        { "info", RunInfoCommand },
        { "split", RunSplitCommand },
    };
    const auto found = commands.find(command);
    if (found == commands.end()) {
        PrintMessage("unknown command \"" + command + "\"");
        std::fputs("Try \"brindlecast-cli --help\".\n", stderr);
        return kExitUsage;
    }
    return found->second({ arguments.begin() + 1, arguments.end() });
}
