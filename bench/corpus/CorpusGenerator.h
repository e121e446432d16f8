#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace brindlecast::bench
{

// Writes the benchmark corpus into a folder: one subfolder per set, and last a "sets.txt"
// listing the sets in order with the seed, so that a listing only exists for a complete
// corpus. The same seed gives the same files.
class CorpusGenerator
{
public:
    CorpusGenerator(std::filesystem::path folder, std::uint64_t seed);

    // Empty on success, else a message naming the file and what failed.
    [[nodiscard]] std::string Generate();

private:
    [[nodiscard]] std::string FullFrameAnimations(
        const std::string& set, int files, int width, int height, int frames, int transparentEvery);
    [[nodiscard]] std::string OptimizedAnimations(const std::string& set, int files, int frames);
    [[nodiscard]] std::string Photos(
        const std::string& set, int files, int components, bool progressive);
    [[nodiscard]] std::string WriteListing() const;
    std::filesystem::path SetFolder(const std::string& set, const std::string& description);
    std::uint64_t FileSeed(const std::string& set, int file) const;

    std::filesystem::path folder_;
    std::uint64_t seed_;
    std::vector<std::string> listing_;
};

} // namespace brindlecast::bench
