#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace brindlecast::fileio
{

// A file written beside its target under a fresh temporary name and renamed over the target
// only by commit(), so that a failed or abandoned write never destroys an earlier file. A
// symbolic link target is followed, an existing target keeps its permissions, and the
// temporary file is removed on every failure and on destruction without commit().
class ReplacingFile
{
public:
    explicit ReplacingFile(std::filesystem::path target);
    ~ReplacingFile();
    ReplacingFile(const ReplacingFile&) = delete;
    ReplacingFile& operator=(const ReplacingFile&) = delete;

    // Creates the temporary file; refuses a target that is a folder or not a regular file.
    [[nodiscard]] bool open();
    [[nodiscard]] bool write(const void* data, std::size_t length);
    // Flushes the data to disk and renames the file over the target.
    [[nodiscard]] bool commit();

    // What failed, naming the target; empty while nothing has.
    const std::string& error() const { return error_; }

private:
    bool fail(std::string_view what, int errorNumber);
    void discard();

    std::filesystem::path requested_;
    std::filesystem::path target_;
    std::filesystem::path temporary_;
    int descriptor_ = -1;
    bool keepsMode_ = false;
    unsigned earlierMode_ = 0;
    std::string error_;
};

// Replaces target with bytes through a ReplacingFile; returns the error, empty on success.
[[nodiscard]] std::string writeFileReplacing(
    const std::filesystem::path& target, std::string_view bytes);

} // namespace brindlecast::fileio
