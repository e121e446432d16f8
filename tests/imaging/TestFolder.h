#pragma once

#include <filesystem>
#include <string>
#include <unistd.h>

namespace brindlecast::imaging
{

// A fresh empty folder for one test, removed with everything in it afterwards.
class TestFolder
{
public:
    TestFolder()
        : path_(std::filesystem::temp_directory_path()
            / ("brindlecast-imaging-" + std::to_string(::getpid()) + "-" + std::to_string(next_++)))
    {
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    TestFolder(const TestFolder&) = delete;
    TestFolder& operator=(const TestFolder&) = delete;
    ~TestFolder() { std::filesystem::remove_all(path_); }

    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }
    const std::filesystem::path& path() const { return path_; }

private:
    static inline int next_ = 0;
    std::filesystem::path path_;
};

} // namespace brindlecast::imaging
