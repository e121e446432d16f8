#include "FullDisk.h"

#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>
#include <vector>

namespace brindlecast::reliability
{

namespace
{
    constexpr const char* kFillerName = ".filler";
}

FullDisk::FullDisk(const std::filesystem::path& folder_, std::uint64_t freeBytes)
    : folder(folder_)
{
    std::filesystem::create_directories(folder);
    mounted = mount("brindlecast-full", folder.c_str(), "tmpfs", MS_NOSUID | MS_NODEV,
                  "size=512k,mode=0777")
        == 0;
    ready = mounted && fill(freeBytes);
}

FullDisk::~FullDisk()
{
    if (mounted)
        umount2(folder.c_str(), MNT_DETACH);
}

bool FullDisk::fill(std::uint64_t freeBytes)
{
    const std::filesystem::path filler = folder / kFillerName;
    const int fd = open(filler.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0600);
    if (fd < 0)
        return false;
    const std::vector<char> block(4096, 'f');
    while (write(fd, block.data(), block.size()) > 0) { }
    const off_t size = lseek(fd, 0, SEEK_END);
    const auto keep
        = size > static_cast<off_t>(freeBytes) ? size - static_cast<off_t>(freeBytes) : 0;
    const bool truncated = ftruncate(fd, keep) == 0;
    close(fd);
    return truncated;
}

} // namespace brindlecast::reliability
