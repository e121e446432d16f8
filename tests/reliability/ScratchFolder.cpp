#include "ScratchFolder.h"

#include <algorithm>
#include <atomic>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <unistd.h>

namespace brindlecast::reliability
{
namespace fs = std::filesystem;

namespace
{

    std::atomic<int> nextFolder { 0 };

    void openToEveryone(const fs::path& folder)
    {
        fs::permissions(folder, fs::perms::all, fs::perm_options::replace);
    }

    // A test may leave folders without write or search permission; removal needs both.
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

ScratchFolder::ScratchFolder()
    : root(fs::temp_directory_path()
        / ("brindlecast-reliability-" + std::to_string(::getpid()) + "-"
            + std::to_string(nextFolder++)))
{
    fs::remove_all(root);
    fs::create_directories(root);
    openToEveryone(root);
}

ScratchFolder::~ScratchFolder()
{
    std::error_code ignored;
    restoreOwnerAccess(root);
    fs::remove_all(root, ignored);
}

fs::path ScratchFolder::makeFolder(const std::string& name) const
{
    fs::path folder = root;
    for (const fs::path& part : fs::path(name)) {
        folder /= part;
        fs::create_directory(folder);
        openToEveryone(folder);
    }
    return folder;
}

std::vector<std::string> ScratchFolder::listing(const fs::path& folder)
{
    std::vector<std::string> names;
    std::error_code ignored;
    for (fs::recursive_directory_iterator it(folder, ignored), end; it != end;
         it.increment(ignored))
        names.push_back(fs::relative(it->path(), folder).string());
    std::sort(names.begin(), names.end());
    return names;
}

std::string fileBytes(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return { std::istreambuf_iterator<char>(in), {} };
}

void writeFileBytes(const fs::path& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out.flush())
        throw std::runtime_error("cannot write " + path.string());
}

} // namespace brindlecast::reliability
