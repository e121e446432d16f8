// brindlecast-conformance-probe: what the conformance suite needs to know about its inputs and
// outputs without trusting the code under test.
//   pictures IMAGE OUTDIR   decodes a GIF's frames or a JPEG straight with giflib or
//                           libjpeg-turbo into OUTDIR/picture-K.pam (K from 1); prints K's count
//   exports MOVIE           reads MOVIE with the project's SWF reader and prints each exported
//                           name as "ID<tab>KIND<tab>NAME", KIND being what ID defines
#include "LibraryExports.h"
#include "PamFile.h"
#include "SourcePicture.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <string>

namespace
{

using namespace brindlecast::conformance;

constexpr const char* kUsage = "usage: brindlecast-conformance-probe pictures IMAGE OUTDIR\n"
                               "       brindlecast-conformance-probe exports MOVIE\n";

std::string upperExtension(const std::filesystem::path& path)
{
    std::string extension = path.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
        [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return extension;
}

int writePictures(const std::filesystem::path& image, const std::filesystem::path& outDir)
{
    const std::string extension = upperExtension(image);
    const SourcePictures decoded = extension == ".GIF" ? decodeGifFrames(image) : decodeJpeg(image);
    if (!decoded.error.empty()) {
        std::fprintf(stderr, "%s\n", decoded.error.c_str());
        return 1;
    }
    std::error_code ignored;
    std::filesystem::create_directories(outDir, ignored);
    for (size_t k = 0; k < decoded.pictures.size(); ++k) {
        const auto path = outDir / ("picture-" + std::to_string(k + 1) + ".pam");
        if (!writePam(path, decoded.pictures[k])) {
            std::fprintf(stderr, "%s: cannot write\n", path.c_str());
            return 1;
        }
    }
    std::printf("%zu\n", decoded.pictures.size());
    return 0;
}

int printExports(const std::filesystem::path& movie)
{
    const LibraryExports read = readLibraryExports(movie);
    if (!read.error.empty()) {
        std::fprintf(stderr, "%s\n", read.error.c_str());
        return 1;
    }
    for (const LibraryExport& entry : read.exports) {
        std::printf("%u\t%s\t%s\n", static_cast<unsigned>(entry.characterId), entry.kind.c_str(),
            entry.name.c_str());
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "pictures" && argc == 4) {
        return writePictures(argv[2], argv[3]);
    }
    if (command == "exports" && argc == 3) {
        return printExports(argv[2]);
    }
    std::fputs(kUsage, stderr);
    return 2;
}
