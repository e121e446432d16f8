#pragma once

#include <string>
#include <vector>

namespace brindlecast
{

// The commands of brindlecast-cli, each given the arguments after its name; each returns the
// process's exit status.
int RunConvertCommand(const std::vector<std::string>& arguments);
int RunMakeCommand(const std::vector<std::string>& arguments);
int RunInfoCommand(const std::vector<std::string>& arguments);
int RunSplitCommand(const std::vector<std::string>& arguments);

inline constexpr int kExitSuccess = 0;
inline constexpr int kExitErrorLines = 1;
inline constexpr int kExitUsage = 2;

// "brindlecast-cli: " + text on standard error; "\r\n" in the text becomes "\n".
void PrintMessage(const std::string& text);
// A usage problem of `command`, with the hint to its --help.
int UsageError(const std::string& command, const std::string& problem);
bool AsksForHelp(const std::vector<std::string>& arguments);

} // namespace brindlecast
