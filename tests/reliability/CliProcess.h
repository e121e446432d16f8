#pragma once

#include "ChildRestrictions.h"

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <sys/resource.h>
#include <sys/types.h>
#include <vector>

namespace brindlecast::reliability
{

// The report stamps of every run: SOURCE_DATE_EPOCH 1700000000 in the C locale, UTC.
inline constexpr const char* kDateStamp = "11/14/23";
inline constexpr const char* kDateTimeStamp = "11/14/23 22:13:20";

struct CliCall {
    std::vector<std::string> arguments; // after the program name
    std::filesystem::path workingFolder; // empty: the test's own
    std::optional<std::uint64_t> fileSizeLimit; // see restrictChild

    std::string program = "brindlecast-cli"; // in BRINDLECAST_BIN_DIR
};

struct CliOutcome {
    bool exited = false; // false: killed by `signal` or by the timeout
    int exitStatus = -1;
    int signal = 0;
    bool timedOut = false;
    std::string out;
    std::string err;
    long peakKiB = 0; // largest resident size of the child

    std::vector<std::string> outLines() const;
    // Everything about the run, for failure messages.
    std::string describe() const;
};

// brindlecast-cli (or another program of the build) started in a child process with a fixed
// clock (SOURCE_DATE_EPOCH), the C locale and UTC, standard input from /dev/null, both outputs
// captured, under restrictChild.
class CliProcess
{
public:
    explicit CliProcess(const CliCall& call);
    ~CliProcess();
    CliProcess(const CliProcess&) = delete;
    CliProcess& operator=(const CliProcess&) = delete;

    // Whether the child has ended; never blocks.
    bool finished();
    // Waits for the end; past the timeout the child is killed and the outcome says so.
    CliOutcome wait(std::chrono::seconds timeout = std::chrono::seconds(180));

private:
    pid_t pid = -1;
    int status = 0;
    rusage usage {};
    int outFd = -1;
    int errFd = -1;
};

CliOutcome runCli(const CliCall& call);

} // namespace brindlecast::reliability
