#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace brindlecast::conformance
{

// One exported name of a movie, with what its id defines in that movie.
struct LibraryExport {
    std::uint16_t characterId = 0;
    std::string kind; // "shape", "bitmap", "button" or "undefined"
    std::string name;
};

struct [[nodiscard]] LibraryExports {
    std::vector<LibraryExport> exports; // in file order
    std::string error; // the reader's error text; empty on success
};

// Reads the movie with the project's SWF reader.
LibraryExports readLibraryExports(const std::filesystem::path& movie);

} // namespace brindlecast::conformance
