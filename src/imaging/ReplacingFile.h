#pragma once

#include "imaging/Result.h"

#include <cstdio>
#include <filesystem>
#include <memory>

namespace brindlecast::imaging
{

// A new file written beside its target under a unique temporary name and renamed over the
// target only when complete, so that a failed write never destroys an earlier file. The
// temporary file is removed unless commit() succeeds.
class ReplacingFile
{
public:
    static Result<ReplacingFile> create(const std::filesystem::path& target);

    ReplacingFile(ReplacingFile&&) noexcept;
    ReplacingFile& operator=(ReplacingFile&&) noexcept;
    ~ReplacingFile();

    std::FILE* stream() const { return stream_; }
    // Flushes the data to disk and renames the file over the target.
    Result<void> commit();

private:
    ReplacingFile(std::filesystem::path target, std::filesystem::path temporary, std::FILE* stream);
    void discard();

    std::filesystem::path target_;
    std::filesystem::path temporary_;
    std::FILE* stream_ = nullptr;
};

} // namespace brindlecast::imaging
