#include "cli/CliCommands.h"
#include "cli/CliUsage.h"
#include "conversion/ImageInfoTexts.h"
#include "conversion/ImagePaths.h"
#include "imaging/GifInfoReader.h"
#include "imaging/JpegInfoReader.h"

#include <cstdio>
#include <filesystem>
#include <optional>

namespace brindlecast
{

namespace
{

    void PrintInfoLines(const InfoLines& lines)
    {
        for (const auto& [caption, value] : lines) {
            const char* gap = !caption.empty() && caption.back() == ' ' ? "" : " ";
            std::printf("%s%s%s\n", caption.c_str(), gap, value.c_str());
        }
    }

    // The file name shown is the full path, as in the program's information panel.
    std::string FullPath(const std::string& path)
    {
        std::error_code error;
        const auto absolute = std::filesystem::absolute(path, error);
        return error ? path : absolute.string();
    }

    // The information lines of one file, or none after a message on standard error.
    std::optional<InfoLines> ReadImageInfo(const std::string& path)
    {
        switch (ImageKindOf(path)) {
        case ImageKind::Gif: {
            const auto info = imaging::readGifInfo(path);
            if (!info) {
                PrintMessage(info.error());
                return std::nullopt;
            }
            return GifInfoLines(FullPath(path), info.value());
        }
        case ImageKind::Jpeg: {
            const auto info = imaging::readJpegInfo(path);
            if (!info) {
                PrintMessage(info.error());
                return std::nullopt;
            }
            return JpegInfoLines(FullPath(path), info.value());
        }
        case ImageKind::Unsupported:
            break;
        }
        PrintMessage(path + ": not a GIF (.gif) or JPEG (.jpg) file");
        return std::nullopt;
    }

} // namespace

int RunInfoCommand(const std::vector<std::string>& arguments)
{
    if (AsksForHelp(arguments)) {
        std::fputs(kInfoUsage.data(), stdout);
        return kExitSuccess;
    }
    if (arguments.empty())
        return UsageError("info", "no images given");
    int status = kExitSuccess;
    bool printedBefore = false;
    for (const auto& path : arguments) {
        const auto lines = ReadImageInfo(path);
        if (!lines) {
            status = kExitErrorLines;
            continue;
        }
        if (printedBefore)
            std::printf("\n");
        PrintInfoLines(*lines);
        printedBefore = true;
    }
    return status;
}

} // namespace brindlecast
