#pragma once

#include "sdk/FByteSink.h"

#include <string>

// Replaces a file safely: the bytes go to a uniquely named temporary file in the target's own
// folder, which is renamed over the target only by Commit. Until then, and whenever a step
// fails, the target stays as it was; an uncommitted temporary file is removed on destruction.
class FReplacingFile : public FByteSink
{
public:
    explicit FReplacingFile(std::string targetPath);
    ~FReplacingFile() override;
    FReplacingFile(const FReplacingFile&) = delete;
    FReplacingFile& operator=(const FReplacingFile&) = delete;

    // Creates the temporary file; false (with Error set) when that is impossible.
    [[nodiscard]] bool Open();
    [[nodiscard]] bool Write(const U8* data, std::size_t length) override;
    // Closes the temporary file and renames it over the target.
    [[nodiscard]] bool Commit();

    // What failed, naming the target; empty while nothing has.
    const std::string& Error() const { return error; }

private:
    bool Fail(const char* what, int errorNumber);
    void Discard();

    std::string targetPath;
    std::string temporaryPath;
    int descriptor = -1;
    std::string error;
};
