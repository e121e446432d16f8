#pragma once

#include <filesystem>
#include <set>
#include <string>

namespace brindlecast::testsupport
{

// Names of everything directly in `folder`, hidden files included.
std::set<std::string> entryNames(const std::filesystem::path& folder);

// A fresh folder of its own under the system's temporary folder, removed with everything in it
// afterwards, even where a test took away write or search permission inside it.
class TempFolder
{
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return root; }
    std::filesystem::path operator/(const std::string& name) const { return root / name; }
    std::string file(const std::string& name) const { return (root / name).string(); }

    std::set<std::string> entries() const { return entryNames(root); }

private:
    std::filesystem::path root;
};

} // namespace brindlecast::testsupport
