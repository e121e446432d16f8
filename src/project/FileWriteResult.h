#pragma once

#include <string>

// Whether a file was written; error names the file and what failed.
struct [[nodiscard]] FileWriteResult {
    std::string error;

    bool ok() const { return error.empty(); }
    explicit operator bool() const { return ok(); }
};
