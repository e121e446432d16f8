#include "ScratchFolder.h"

#include <algorithm>

namespace brindlecast::reliability
{
namespace fs = std::filesystem;

namespace
{

    void openToEveryone(const fs::path& folder)
    {
        fs::permissions(folder, fs::perms::all, fs::perm_options::replace);
    }

} // namespace

ScratchFolder::ScratchFolder()
{
    openToEveryone(root.path());
}

fs::path ScratchFolder::makeFolder(const std::string& name) const
{
    fs::path made = root.path();
    for (const fs::path& part : fs::path(name)) {
        made /= part;
        fs::create_directory(made);
        openToEveryone(made);
    }
    return made;
}

std::vector<std::string> ScratchFolder::listing(const fs::path& folder)
{
    std::vector<std::string> names;
    std::error_code ignored;
    // Names are made lexically: a file listed may be gone by now (a writer renaming its
    // temporary file), and resolving its path would fail.
    for (fs::recursive_directory_iterator it(folder, ignored), end; it != end;
         it.increment(ignored))
        names.push_back(it->path().lexically_relative(folder).string());
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace brindlecast::reliability
