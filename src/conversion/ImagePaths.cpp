#include "conversion/ImagePaths.h"

#include <algorithm>
#include <cctype>

namespace brindlecast
{
namespace
{

    std::string::size_type FileNameStart(const std::string& path)
    {
        const auto slash = path.rfind('/');
        return slash == std::string::npos ? 0 : slash + 1;
    }

    std::string::size_type ExtensionStart(const std::string& path)
    {
        const auto dot = path.rfind('.');
        return dot == std::string::npos || dot < FileNameStart(path) ? path.size() : dot;
    }

    std::string FrameSuffix(int frameNumber, int frameCount)
    {
        return frameCount >= 2 ? "_F" + std::to_string(frameNumber) : std::string();
    }

} // namespace

ImageKind ImageKindOf(const std::string& path)
{
    std::string extension = path.substr(ExtensionStart(path));
    std::transform(extension.begin(), extension.end(), extension.begin(),
        [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    if (extension == ".GIF")
        return ImageKind::Gif;
    if (extension == ".JPG")
        return ImageKind::Jpeg;
    return ImageKind::Unsupported;
}

std::string FolderPart(const std::string& path)
{
    return path.substr(0, FileNameStart(path));
}

std::string FileNamePart(const std::string& path)
{
    return path.substr(FileNameStart(path));
}

std::string WithoutExtension(const std::string& path)
{
    return path.substr(0, ExtensionStart(path));
}

std::string EachImageMovieName(const std::string& sourcePath, int frameNumber, int frameCount)
{
    return WithoutExtension(sourcePath) + FrameSuffix(frameNumber, frameCount) + ".swf";
}

std::string LibraryExportName(const std::string& sourcePath, int frameNumber, int frameCount)
{
    return WithoutExtension(FileNamePart(sourcePath)) + FrameSuffix(frameNumber, frameCount);
}

std::string ResolveOutputPath(const std::string& output, const std::string& programFolder)
{
    std::string folder = FolderPart(output);
    if (folder.empty())
        folder = programFolder;
    return folder + WithoutExtension(FileNamePart(output)) + ".swf";
}

} // namespace brindlecast
