#include "imaging/ReplacingFile.h"

#include <atomic>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <unistd.h>
#include <utility>

namespace brindlecast::imaging
{

namespace
{

    std::string systemError()
    {
        return std::strerror(errno);
    }

    std::filesystem::path temporaryName(const std::filesystem::path& target, unsigned attempt)
    {
        static std::atomic<unsigned> counter { 0 };
        std::filesystem::path name = target;
        name += ".tmp-" + std::to_string(::getpid()) + "-" + std::to_string(counter++) + "-"
            + std::to_string(attempt);
        return name;
    }

} // namespace

Result<ReplacingFile> ReplacingFile::create(const std::filesystem::path& target)
{
    for (unsigned attempt = 0; attempt < 100; ++attempt) {
        std::filesystem::path temporary = temporaryName(target, attempt);
        // The umask decides the permissions, as for any newly created file.
        const int descriptor
            = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (descriptor < 0) {
            if (errno == EEXIST)
                continue;
            return ImagingError { target.string() + ": cannot create the file: " + systemError() };
        }
        std::FILE* stream = ::fdopen(descriptor, "wb");
        if (stream == nullptr) {
            ::close(descriptor);
            std::filesystem::remove(temporary);
            return ImagingError { target.string() + ": cannot create the file: " + systemError() };
        }
        return ReplacingFile(target, std::move(temporary), stream);
    }
    return ImagingError { target.string() + ": cannot create a temporary file beside it" };
}

ReplacingFile::ReplacingFile(
    std::filesystem::path target, std::filesystem::path temporary, std::FILE* stream)
    : target_(std::move(target))
    , temporary_(std::move(temporary))
    , stream_(stream)
{
}

ReplacingFile::ReplacingFile(ReplacingFile&& other) noexcept
    : target_(std::move(other.target_))
    , temporary_(std::move(other.temporary_))
    , stream_(std::exchange(other.stream_, nullptr))
{
}

ReplacingFile& ReplacingFile::operator=(ReplacingFile&& other) noexcept
{
    if (this != &other) {
        discard();
        target_ = std::move(other.target_);
        temporary_ = std::move(other.temporary_);
        stream_ = std::exchange(other.stream_, nullptr);
    }
    return *this;
}

ReplacingFile::~ReplacingFile()
{
    discard();
}

void ReplacingFile::discard()
{
    if (stream_ == nullptr)
        return;
    std::fclose(stream_);
    stream_ = nullptr;
    std::error_code ignored;
    std::filesystem::remove(temporary_, ignored);
}

Result<void> ReplacingFile::commit()
{
    if (stream_ == nullptr)
        return ImagingError { target_.string() + ": the file is already closed" };
    const bool written = std::fflush(stream_) == 0 && ::fsync(::fileno(stream_)) == 0;
    const std::string reason = written ? std::string() : systemError();
    if (!written) {
        discard();
        return ImagingError { target_.string() + ": cannot write the file: " + reason };
    }
    std::FILE* stream = std::exchange(stream_, nullptr);
    if (std::fclose(stream) != 0 || std::rename(temporary_.c_str(), target_.c_str()) != 0) {
        const std::string failure = systemError();
        std::error_code ignored;
        std::filesystem::remove(temporary_, ignored);
        return ImagingError { target_.string() + ": cannot write the file: " + failure };
    }
    return {};
}

} // namespace brindlecast::imaging
