#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace brindlecast::reliability
{

// A fresh folder for one test under the system's temporary folder, removed with everything in
// it afterwards, whatever permissions a test left on its contents. Folders made through it are
// open to everyone, so that brindlecast-cli can run without root's privileges inside them.
class ScratchFolder
{
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& path() const { return root; }
    std::filesystem::path operator/(const std::string& name) const { return root / name; }

    // Creates the folder (and its parents inside the scratch folder) open to everyone.
    std::filesystem::path makeFolder(const std::string& name) const;

    // Every entry under `folder`, as paths relative to it, sorted.
    static std::vector<std::string> listing(const std::filesystem::path& folder);

private:
    std::filesystem::path root;
};

// The bytes of a file; empty when it cannot be read.
std::string fileBytes(const std::filesystem::path& path);
void writeFileBytes(const std::filesystem::path& path, const std::string& bytes);

} // namespace brindlecast::reliability
