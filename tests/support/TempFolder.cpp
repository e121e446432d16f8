#include "TempFolder.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <stdexcept>

namespace brindlecast::testsupport
{
namespace fs = std::filesystem;

namespace
{

    // Removal needs write and search permission on every folder it empties.
    void restoreOwnerAccess(const fs::path& folder)
    {
        std::error_code ignored;
        fs::permissions(folder, fs::perms::owner_all, fs::perm_options::add, ignored);
        for (fs::recursive_directory_iterator it(folder, ignored), end; it != end;
             it.increment(ignored))
            if (it->is_directory(ignored) && !it->is_symlink(ignored))
                fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ignored);
    }

} // namespace

TempFolder::TempFolder()
{
    // mkdtemp picks a name no other test process holds, so tests may run side by side.
    std::string pattern = (fs::temp_directory_path() / "brindlecast-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr)
        throw std::runtime_error(
            "cannot create a temporary folder " + pattern + ": " + std::strerror(errno));
    root = pattern;
}

TempFolder::~TempFolder()
{
    restoreOwnerAccess(root);
    std::error_code ignored;
    fs::remove_all(root, ignored);
}

std::set<std::string> entryNames(const fs::path& folder)
{
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

} // namespace brindlecast::testsupport
