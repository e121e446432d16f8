#pragma once

#include <cstddef>
#include <string>

// A file's bytes, or the error that kept it from being read (naming the file).
struct [[nodiscard]] FileReadResult {
    std::string bytes;
    std::string error;

    bool ok() const { return error.empty(); }
};

// Reads all of path, refusing more than limit bytes so that a wrong or endless file (a device,
// a huge file picked by mistake) cannot exhaust memory.
FileReadResult ReadWholeFile(const std::string& path, std::size_t limit);
