#include "TempFolder.h"

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <vector>

namespace sdktest
{

TempFolder::TempFolder()
{
    const std::string pattern
        = (std::filesystem::temp_directory_path() / "brindlecast-sdk-XXXXXX").string();
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    if (mkdtemp(name.data()) == nullptr)
        throw std::runtime_error("cannot create a temporary folder");
    path = name.data();
}

TempFolder::~TempFolder()
{
    std::error_code ignored;
    std::filesystem::remove_all(path, ignored);
}

std::set<std::string> TempFolder::Entries() const
{
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(path))
        names.insert(entry.path().filename().string());
    return names;
}

} // namespace sdktest
