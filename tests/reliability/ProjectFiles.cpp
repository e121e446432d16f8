#include "ProjectFiles.h"

#include "ScratchFolder.h"
#include "project/ProjectFileWriter.h"

namespace brindlecast::reliability
{

TBrindlecast makeProject(
    const std::vector<std::string>& images, const std::string& output, int actionType)
{
    TBrindlecast project;
    project.ActionType = actionType;
    project.Output = output;
    project.Images = images;
    return project;
}

std::filesystem::path writeProject(
    const std::filesystem::path& path, const TBrindlecast& project, LineEnds ends)
{
    TBrindlecast named;
    named.AssignFrom(project);
    named.Name = path.string();
    std::string text = ProjectFileText(named);
    if (ends == LineEnds::Unix)
        for (auto at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at))
            text.erase(at, 1);
    writeFile(path, text);
    return path;
}

} // namespace brindlecast::reliability
