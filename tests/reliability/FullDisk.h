#pragma once

#include <cstdint>
#include <filesystem>

namespace brindlecast::reliability
{

// A small tmpfs mounted on a folder and filled until only `freeBytes` remain, so that writes
// there fail for want of space as on a full disk. Mounting needs root and a system that allows
// it; available() says whether it worked. Unmounted with the object.
class FullDisk
{
public:
    FullDisk(const std::filesystem::path& folder, std::uint64_t freeBytes);
    ~FullDisk();
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

    bool available() const { return ready; }
    const std::filesystem::path& path() const { return folder; }
    // Fills the disk again after files were added to it; false when that failed.
    bool fill(std::uint64_t freeBytes);

private:
    std::filesystem::path folder;
    bool mounted = false;
    bool ready = false;
};

} // namespace brindlecast::reliability
