#include "project/SafeFileWriter.h"

#include <atomic>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace
{

constexpr int kTemporaryNameAttempts = 100;

FileWriteResult Failure(const std::string& path, const std::string& what)
{
    return { "Could not write \"" + path + "\": " + what };
}

std::string SystemError(int error)
{
    return std::strerror(error);
}

// A symbolic link is followed, so that saving replaces the file it points at, not the link.
std::filesystem::path ResolvedTarget(const std::string& path)
{
    std::error_code error;
    if (std::filesystem::is_symlink(path, error)) {
        std::filesystem::path resolved = std::filesystem::weakly_canonical(path, error);
        if (!error)
            return resolved;
    }
    return path;
}

// Creates a file of a fresh name beside target; O_EXCL keeps it from taking over anyone's file.
int CreateTemporaryBeside(const std::filesystem::path& target, std::filesystem::path& created)
{
    static std::atomic<unsigned> counter { 0 };
    const std::filesystem::path folder = target.has_parent_path() ? target.parent_path() : ".";
    for (int attempt = 0; attempt < kTemporaryNameAttempts; ++attempt) {
        created = folder
            / ("." + target.filename().string() + "." + std::to_string(getpid()) + "."
                + std::to_string(counter++) + ".tmp");
        const int fd = open(created.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

bool WriteAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// Writes, keeps the earlier file's permissions and flushes; closes fd either way. Returns 0 or
// the error of the step that failed.
int FinishTemporary(int fd, std::string_view bytes, const struct stat* earlier)
{
    int error = 0;
    if (!WriteAll(fd, bytes) || (earlier && fchmod(fd, earlier->st_mode & 07777) != 0)
        || fsync(fd) != 0)
        error = errno;
    if (close(fd) != 0 && error == 0)
        error = errno;
    return error;
}

// Best effort: makes the rename itself survive a power cut.
void SyncFolderOf(const std::filesystem::path& target)
{
    const std::filesystem::path folder = target.has_parent_path() ? target.parent_path() : ".";
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        fsync(fd);
        close(fd);
    }
}

} // namespace

FileWriteResult WriteFileReplacing(const std::string& path, std::string_view bytes)
{
    const std::filesystem::path target = ResolvedTarget(path);
    struct stat existing {
    };
    const bool targetExists = stat(target.c_str(), &existing) == 0;
    if (targetExists && S_ISDIR(existing.st_mode))
        return Failure(path, "it is a folder");
    if (targetExists && !S_ISREG(existing.st_mode))
        return Failure(path, "it is not a regular file");

    std::filesystem::path temporary;
    const int fd = CreateTemporaryBeside(target, temporary);
    if (fd < 0)
        return Failure(path, "cannot create a file in its folder: " + SystemError(errno));

    int error = FinishTemporary(fd, bytes, targetExists ? &existing : nullptr);
    if (error == 0 && rename(temporary.c_str(), target.c_str()) != 0)
        error = errno;
    if (error != 0) {
        unlink(temporary.c_str());
        return Failure(path, SystemError(error));
    }
    SyncFolderOf(target);
    return {};
}
