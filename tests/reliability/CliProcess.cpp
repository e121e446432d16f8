#include "CliProcess.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <sstream>
#include <stdexcept>
#include <sys/mman.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace brindlecast::reliability
{
namespace
{

    // The parent's environment without what sets the locale, the time zone or the clock, then
    // the fixed values.
    std::vector<std::string> childEnvironment()
    {
        std::vector<std::string> entries;
        for (char** entry = environ; *entry != nullptr; ++entry) {
            const std::string text = *entry;
            const std::string name = text.substr(0, text.find('='));
            if (name == "LANG" || name == "TZ" || name == "SOURCE_DATE_EPOCH"
                || name.rfind("LC_", 0) == 0)
                continue;
            entries.push_back(text);
        }
        entries.insert(entries.end(), { "LC_ALL=C", "TZ=UTC", "SOURCE_DATE_EPOCH=1700000000" });
        return entries;
    }

    std::vector<char*> pointers(std::vector<std::string>& texts)
    {
        std::vector<char*> result;
        for (std::string& text : texts)
            result.push_back(text.data());
        result.push_back(nullptr);
        return result;
    }

    int captureFile(const char* name)
    {
        const int fd = memfd_create(name, MFD_CLOEXEC);
        if (fd < 0)
            throw std::runtime_error(std::string("memfd_create: ") + std::strerror(errno));
        return fd;
    }

    std::string readCapture(int fd)
    {
        std::string text;
        char buffer[65536];
        lseek(fd, 0, SEEK_SET);
        for (ssize_t got; (got = read(fd, buffer, sizeof buffer)) > 0;)
            text.append(buffer, static_cast<size_t>(got));
        return text;
    }

    // Runs in the child between fork and exec: only async-signal-safe calls.
    [[noreturn]] void becomeCli(const char* program, char* const* argv, char* const* envp,
        const char* folder, const CliCall& call, int outFd, int errFd)
    {
        const int input = open("/dev/null", O_RDONLY);
        if (input < 0 || dup2(input, 0) < 0 || dup2(outFd, 1) < 0 || dup2(errFd, 2) < 0)
            _exit(126);
        if (folder != nullptr && chdir(folder) != 0)
            _exit(126);
        if (!restrictChild(call.fileSizeLimit))
            _exit(126);
        execve(program, argv, envp);
        _exit(127);
    }

} // namespace

CliProcess::CliProcess(const CliCall& call)
    : outFd(captureFile("cli-stdout"))
    , errFd(captureFile("cli-stderr"))
{
    const std::string program = std::string(BRINDLECAST_BIN_DIR) + "/" + call.program;
    std::vector<std::string> argumentTexts { program };
    argumentTexts.insert(argumentTexts.end(), call.arguments.begin(), call.arguments.end());
    std::vector<std::string> environmentTexts = childEnvironment();
    std::vector<char*> argv = pointers(argumentTexts);
    std::vector<char*> envp = pointers(environmentTexts);
    const std::string folder = call.workingFolder.string();

    pid = fork();
    if (pid < 0)
        throw std::runtime_error(std::string("fork: ") + std::strerror(errno));
    if (pid == 0)
        becomeCli(program.c_str(), argv.data(), envp.data(),
            folder.empty() ? nullptr : folder.c_str(), call, outFd, errFd);
}

CliProcess::~CliProcess()
{
    if (pid > 0) {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
    }
    close(outFd);
    close(errFd);
}

bool CliProcess::finished()
{
    if (pid < 0)
        return true;
    const pid_t ended = wait4(pid, &status, WNOHANG, &usage);
    if (ended < 0 && errno != EINTR)
        throw std::runtime_error(std::string("wait4: ") + std::strerror(errno));
    if (ended == pid)
        pid = -1;
    return pid < 0;
}

CliOutcome CliProcess::wait(std::chrono::seconds timeout)
{
    CliOutcome outcome;
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!finished()) {
        if (std::chrono::steady_clock::now() > deadline) {
            outcome.timedOut = true;
            kill(pid, SIGKILL);
            wait4(pid, &status, 0, &usage);
            pid = -1;
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    outcome.exited = !outcome.timedOut && WIFEXITED(status);
    outcome.exitStatus = outcome.exited ? WEXITSTATUS(status) : -1;
    outcome.signal = WIFSIGNALED(status) ? WTERMSIG(status) : 0;
    outcome.peakKiB = usage.ru_maxrss;
    outcome.out = readCapture(outFd);
    outcome.err = readCapture(errFd);
    return outcome;
}

CliOutcome runCli(const CliCall& call)
{
    return CliProcess(call).wait();
}

std::vector<std::string> CliOutcome::outLines() const
{
    std::vector<std::string> lines;
    std::istringstream in(out);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

std::string CliOutcome::describe() const
{
    std::ostringstream text;
    if (timedOut)
        text << "timed out; ";
    if (exited)
        text << "exit status " << exitStatus;
    else
        text << "killed by signal " << signal;
    text << ", peak " << peakKiB << " KiB\n--- stdout\n" << out << "--- stderr\n" << err;
    return text.str();
}

} // namespace brindlecast::reliability
