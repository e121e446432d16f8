#pragma once

#include "FileBytes.h"
#include "TempFolder.h"

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

    const std::filesystem::path& path() const { return root.path(); }
    std::filesystem::path operator/(const std::string& name) const { return root / name; }

    // Creates the folder (and its parents inside the scratch folder) open to everyone.
    std::filesystem::path makeFolder(const std::string& name) const;

    // Every entry under `folder`, as paths relative to it, sorted.
    static std::vector<std::string> listing(const std::filesystem::path& folder);

private:
    testsupport::TempFolder root;
};

using testsupport::readFile;
using testsupport::writeFile;

} // namespace brindlecast::reliability
