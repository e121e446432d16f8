#pragma once

#include <set>
#include <string>

namespace sdktest
{

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempFolder
{
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    std::string Path(const std::string& name) const { return path + "/" + name; }
    // Names of everything in the folder, hidden files included.
    std::set<std::string> Entries() const;

private:
    std::string path;
};

} // namespace sdktest
