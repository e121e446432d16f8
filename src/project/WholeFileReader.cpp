#include "project/WholeFileReader.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace
{

constexpr std::size_t kChunk = 64 * 1024;

FileReadResult Failure(const std::string& path, const std::string& what)
{
    return { {}, "Could not read \"" + path + "\": " + what };
}

} // namespace

FileReadResult ReadWholeFile(const std::string& path, std::size_t limit)
{
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return Failure(path, std::strerror(errno));
    FileReadResult result;
    for (;;) {
        const std::size_t had = result.bytes.size();
        if (had > limit) {
            close(fd);
            return Failure(path, "it is larger than " + std::to_string(limit) + " bytes");
        }
        result.bytes.resize(had + kChunk);
        const ssize_t got = read(fd, result.bytes.data() + had, kChunk);
        if (got < 0 && errno == EINTR) {
            result.bytes.resize(had);
            continue;
        }
        if (got < 0) {
            const int error = errno;
            close(fd);
            return Failure(path, std::strerror(error));
        }
        result.bytes.resize(had + static_cast<std::size_t>(got));
        if (got == 0)
            break;
    }
    close(fd);
    return result;
}
