#include "fileio/ReplacingFile.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace brindlecast::fileio
{

namespace
{

    constexpr int kTemporaryNameAttempts = 100;

    // Saving through a symbolic link replaces the file it points at, not the link.
    std::filesystem::path resolvedTarget(const std::filesystem::path& path)
    {
        std::error_code error;
        if (std::filesystem::is_symlink(path, error)) {
            std::filesystem::path resolved = std::filesystem::weakly_canonical(path, error);
            if (!error)
                return resolved;
        }
        return path;
    }

    std::filesystem::path folderOf(const std::filesystem::path& target)
    {
        return target.has_parent_path() ? target.parent_path() : std::filesystem::path(".");
    }

    // Best effort: makes the rename itself survive a power cut.
    void syncFolderOf(const std::filesystem::path& target)
    {
        const int fd = ::open(folderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd >= 0) {
            ::fsync(fd);
            ::close(fd);
        }
    }

} // namespace

ReplacingFile::ReplacingFile(std::filesystem::path target)
    : requested_(std::move(target))
{
}

ReplacingFile::~ReplacingFile()
{
    discard();
}

bool ReplacingFile::open()
{
    target_ = resolvedTarget(requested_);
    struct stat earlier {
    };
    if (::stat(target_.c_str(), &earlier) == 0) {
        if (S_ISDIR(earlier.st_mode))
            return fail("it is a folder", 0);
        if (!S_ISREG(earlier.st_mode))
            return fail("it is not a regular file", 0);
        keepsMode_ = true;
        earlierMode_ = earlier.st_mode & 07777;
    }

    // A name of our own (process id and counter) created with O_EXCL never takes over anyone's
    // file; the 0666 mode lets the creation mask apply as for any new file.
    static std::atomic<unsigned> counter { 0 };
    for (int attempt = 0; attempt < kTemporaryNameAttempts; ++attempt) {
        temporary_ = folderOf(target_)
            / ("." + target_.filename().string() + "." + std::to_string(::getpid()) + "."
                + std::to_string(counter++) + ".tmp");
        descriptor_ = ::open(temporary_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (descriptor_ >= 0)
            return true;
        if (errno != EEXIST)
            break;
    }
    const int error = errno;
    temporary_.clear();
    return fail("cannot create a file in its folder", error);
}

bool ReplacingFile::write(const void* data, std::size_t length)
{
    if (!error_.empty() || descriptor_ < 0)
        return false;
    const auto* bytes = static_cast<const char*>(data);
    while (length > 0) {
        const ssize_t written = ::write(descriptor_, bytes, length);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return fail("cannot write", errno);
        }
        bytes += written;
        length -= static_cast<std::size_t>(written);
    }
    return true;
}

bool ReplacingFile::commit()
{
    if (!error_.empty() || descriptor_ < 0)
        return false;
    if (keepsMode_ && ::fchmod(descriptor_, static_cast<mode_t>(earlierMode_)) != 0)
        return fail("cannot keep its permissions", errno);
    if (::fsync(descriptor_) != 0)
        return fail("cannot write", errno);
    const int closed = ::close(std::exchange(descriptor_, -1));
    if (closed != 0)
        return fail("cannot write", errno);
    if (std::rename(temporary_.c_str(), target_.c_str()) != 0)
        return fail("cannot replace it", errno);
    temporary_.clear();
    syncFolderOf(target_);
    return true;
}

bool ReplacingFile::fail(std::string_view what, int errorNumber)
{
    error_ = requested_.string() + ": " + std::string(what);
    if (errorNumber != 0)
        error_ += std::string(": ") + std::strerror(errorNumber);
    discard();
    return false;
}

void ReplacingFile::discard()
{
    if (descriptor_ >= 0)
        ::close(std::exchange(descriptor_, -1));
    if (!temporary_.empty()) {
        ::unlink(temporary_.c_str());
        temporary_.clear();
    }
}

std::string writeFileReplacing(const std::filesystem::path& target, std::string_view bytes)
{
    ReplacingFile file(target);
    if (file.open() && file.write(bytes.data(), bytes.size()) && file.commit())
        return {};
    return file.error();
}

} // namespace brindlecast::fileio
