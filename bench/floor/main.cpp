// brindlecast-bench-floor: times the floor of a conversion over the given images and prints
// the time of each step.
//   brindlecast-bench-floor IMAGE...
#include "FloorRun.h"

#include <cstdio>
#include <string>
#include <strings.h>

namespace
{

bool HasExtension(const std::string& path, const char* extension)
{
    const std::size_t dot = path.rfind('.');
    return dot != std::string::npos && strcasecmp(path.c_str() + dot, extension) == 0;
}

[[nodiscard]] std::string AddImage(FloorRun& run, const std::string& path)
{
    if (HasExtension(path, ".gif"))
        return run.AddGif(path);
    if (HasExtension(path, ".jpg"))
        return run.AddJpeg(path);
    return path + ": not a .gif or .jpg file";
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2 || std::string(argv[1]) == "--help") {
        std::fprintf(argc < 2 ? stderr : stdout,
            "usage: brindlecast-bench-floor IMAGE...\n"
            "Decodes every GIF frame with DGifSlurp, compress2es each frame's palette\n"
            "and padded index raster, reads JPEG bytes as they are, deflates it all at\n"
            "level 9 in 32000-byte chunks, and prints the seconds of each step.\n");
        return argc < 2 ? 2 : 0;
    }
    FloorRun run;
    for (int i = 1; i < argc; ++i) {
        if (const std::string error = AddImage(run, argv[i]); !error.empty()) {
            std::fprintf(stderr, "brindlecast-bench-floor: %s\n", error.c_str());
            return 1;
        }
    }
    if (const std::string error = run.Finish(); !error.empty()) {
        std::fprintf(stderr, "brindlecast-bench-floor: %s\n", error.c_str());
        return 1;
    }
    const double total = run.DecodeClock().Seconds() + run.CompressClock().Seconds()
        + run.DeflateClock().Seconds();
    std::printf("frames %zu\njpegs %zu\n", run.Frames(), run.Jpegs());
    std::printf("decode %.3f s\ncompress2 %.3f s\ndeflate %.3f s\ntotal %.3f s\n",
        run.DecodeClock().Seconds(), run.CompressClock().Seconds(), run.DeflateClock().Seconds(),
        total);
    std::printf("concatenated %zu bytes\ndeflated %zu bytes\n", run.ConcatenatedBytes(),
        run.DeflatedBytes());
    return 0;
}
