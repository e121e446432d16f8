// brindlecast-bench-corpus: writes the benchmark corpus, the same files for the same seed.
//   brindlecast-bench-corpus [--seed N] FOLDER
#include "CorpusGenerator.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace
{

int Usage(std::FILE* to, int status)
{
    std::fprintf(to,
        "usage: brindlecast-bench-corpus [--seed N] FOLDER\n"
        "Writes the benchmark sets (animated, optimized and long GIFs, baseline, progressive\n"
        "and greyscale JPEGs, 1 to 1000 frames) into FOLDER, one subfolder per set, and lists\n"
        "them in FOLDER/sets.txt. The same seed (default 1) writes the same files.\n");
    return status;
}

} // namespace

int main(int argc, char** argv)
{
    unsigned long long seed = 1;
    std::string folder;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--help")
            return Usage(stdout, 0);
        if (argument == "--seed" && i + 1 < argc) {
            char* end = nullptr;
            seed = std::strtoull(argv[++i], &end, 10);
            if (*end != '\0' || *argv[i] == '\0' || *argv[i] == '-')
                return Usage(stderr, 2);
        } else if (folder.empty() && !argument.starts_with("-")) {
            folder = argument;
        } else {
            return Usage(stderr, 2);
        }
    }
    if (folder.empty())
        return Usage(stderr, 2);
    brindlecast::bench::CorpusGenerator generator(folder, seed);
    if (const std::string failure = generator.Generate(); !failure.empty()) {
        std::fprintf(stderr, "brindlecast-bench-corpus: %s\n", failure.c_str());
        return 1;
    }
    return 0;
}
