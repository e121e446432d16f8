#include "sdk/FReplacingFile.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace
{

std::string TemporaryTemplate(const std::string& target)
{
    const auto slash = target.rfind('/');
    const std::string folder
        = slash == std::string::npos ? std::string() : target.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
    return folder + "." + name + ".XXXXXX";
}

// The process's file creation mask. Read from /proc where possible: the umask() round trip
// briefly clears the mask for every thread of the process.
mode_t CreationMask()
{
    if (FILE* status = std::fopen("/proc/self/status", "r")) {
        char line[256];
        unsigned mask = 0;
        bool found = false;
        while (!found && std::fgets(line, sizeof line, status) != nullptr)
            found = std::sscanf(line, "Umask: %o", &mask) == 1;
        std::fclose(status);
        if (found)
            return static_cast<mode_t>(mask);
    }
    const mode_t mask = umask(0);
    umask(mask);
    return mask;
}

// mkstemp creates files readable by the owner only; a movie gets the usual permissions.
mode_t NewFileMode()
{
    return static_cast<mode_t>(0666 & ~CreationMask());
}

} // namespace

FReplacingFile::FReplacingFile(std::string targetPath_)
    : targetPath(std::move(targetPath_))
{
}

FReplacingFile::~FReplacingFile()
{
    Discard();
}

bool FReplacingFile::Open()
{
    std::string pattern = TemporaryTemplate(targetPath);
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    descriptor = mkstemp(name.data());
    if (descriptor < 0)
        return Fail("Could not create a temporary file beside", errno);
    temporaryPath = name.data();
    if (fchmod(descriptor, NewFileMode()) != 0)
        return Fail("Could not set the permissions of the new", errno);
    return true;
}

bool FReplacingFile::Write(const U8* data, std::size_t length)
{
    if (!error.empty() || descriptor < 0)
        return false;
    while (length > 0) {
        const ssize_t written = ::write(descriptor, data, length);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return Fail("Could not write", errno);
        }
        data += written;
        length -= static_cast<std::size_t>(written);
    }
    return true;
}

bool FReplacingFile::Commit()
{
    if (!error.empty() || descriptor < 0)
        return false;
    const int closed = ::close(descriptor);
    descriptor = -1;
    if (closed != 0)
        return Fail("Could not write", errno);
    if (std::rename(temporaryPath.c_str(), targetPath.c_str()) != 0)
        return Fail("Could not replace", errno);
    temporaryPath.clear();
    return true;
}

bool FReplacingFile::Fail(const char* what, int errorNumber)
{
    error = std::string(what) + " " + targetPath + ": " + std::strerror(errorNumber);
    Discard();
    return false;
}

void FReplacingFile::Discard()
{
    if (descriptor >= 0) {
        ::close(descriptor);
        descriptor = -1;
    }
    if (!temporaryPath.empty()) {
        ::unlink(temporaryPath.c_str());
        temporaryPath.clear();
    }
}
