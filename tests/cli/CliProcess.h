#pragma once

#include "FileBytes.h"

#include <filesystem>
#include <string>
#include <vector>

// What one run of brindlecast-cli left behind.
struct CliRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Runs `program` (brindlecast-cli of the build unless given) in `folder` with the stamps fixed
// by SOURCE_DATE_EPOCH=1000000000 in the C locale and UTC: dates read "09/09/01", times
// "01:46:40". Standard error is a file, not a terminal, so no progress is drawn.
CliRun runCli(const std::vector<std::string>& arguments, const std::filesystem::path& folder,
    const std::string& program = BRINDLECAST_BIN_DIR "/brindlecast-cli");

using brindlecast::testsupport::readFile;
