#include "cli/CliCommands.h"
#include "cli/CliUsage.h"
#include "conversion/ImagePaths.h"
#include "imaging/GifFrameReader.h"
#include "imaging/GifFrameWriter.h"

#include <cstdio>

namespace brindlecast
{

namespace
{

    struct SplitRequest {
        std::string source;
        std::string outFolder; // empty: beside the source
    };

    // The splitter's default name of frame `number` (from 1): walk.gif gives walk_F1.gif.
    std::string FrameFileName(const SplitRequest& request, int number)
    {
        const std::string stem
            = WithoutExtension(request.source) + "_F" + std::to_string(number) + ".gif";
        if (request.outFolder.empty())
            return stem;
        const std::string folder
            = request.outFolder.back() == '/' ? request.outFolder : request.outFolder + "/";
        return folder + FileNamePart(stem);
    }

    // Usage problem text, empty when the arguments were understood.
    std::string ParseSplitArguments(
        const std::vector<std::string>& arguments, SplitRequest& request)
    {
        for (std::size_t i = 0; i < arguments.size(); ++i) {
            const std::string& argument = arguments[i];
            if (argument == "--out" || argument == "-o") {
                if (i + 1 == arguments.size() || arguments[i + 1].empty())
                    return "--out needs a folder";
                request.outFolder = arguments[++i];
            } else if (argument.rfind("--out=", 0) == 0 && argument.size() > 6) {
                request.outFolder = argument.substr(6);
            } else if (!argument.empty() && argument.front() == '-') {
                return "unknown option " + argument;
            } else if (request.source.empty()) {
                request.source = argument;
            } else {
                return "expects one GIF file";
            }
        }
        return request.source.empty() ? "expects one GIF file" : "";
    }

} // namespace

int RunSplitCommand(const std::vector<std::string>& arguments)
{
    if (AsksForHelp(arguments)) {
        std::fputs(kSplitUsage.data(), stdout);
        return kExitSuccess;
    }
    SplitRequest request;
    if (const std::string problem = ParseSplitArguments(arguments, request); !problem.empty())
        return UsageError("split", problem);

    // One frame at a time, so that a long animation is never held whole.
    auto reader = imaging::GifFrameReader::open(request.source);
    if (!reader) {
        PrintMessage(reader.error());
        return kExitErrorLines;
    }
    for (int number = 1;; ++number) {
        auto frame = reader.value().next();
        if (!frame) {
            PrintMessage(frame.error());
            return kExitErrorLines;
        }
        if (!frame.value())
            return kExitSuccess;
        const std::string target = FrameFileName(request, number);
        const auto written
            = imaging::writeGifFrame(reader.value().screen(), *frame.value(), target);
        if (!written) {
            PrintMessage(written.error());
            return kExitErrorLines;
        }
        std::printf("%s successfully saved.\n", target.c_str());
        std::fflush(stdout);
    }
}

} // namespace brindlecast
