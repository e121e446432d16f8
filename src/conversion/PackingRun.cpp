#include "conversion/PackingRun.h"

#include "conversion/ImagePaths.h"
#include "project/TBrindlecast.h"

namespace brindlecast
{

PackingRun::PackingRun(const TBrindlecast& runProject, ConversionHost& runHost)
    : project(runProject)
    , host(runHost)
    , report(runHost)
{
}

bool PackingRun::ConvertImages(RunProgress& progress)
{
    const auto& images = project.Images;
    for (std::size_t i = 0; i < images.size() && !host.CancelRequested(); ++i) {
        progress.BeforeImage(static_cast<int>(i));
        switch (ImageKindOf(images[i])) {
        case ImageKind::Gif:
            AddGif(images[i]);
            break;
        case ImageKind::Jpeg:
            AddJpeg(images[i]);
            break;
        case ImageKind::Unsupported:
            report.UnsupportedImageType(images[i]);
            break;
        }
    }
    return host.CancelRequested();
}

std::string PackingRun::ResolveOutput()
{
    const std::string path = ResolveOutputPath(project.Output, host.ProgramFolder());
    if (path != project.Output)
        host.OutputPathChanged(path);
    return path;
}

void PackingRun::ImageFailed(const std::string& path, const std::string& detail)
{
    report.ImageNotLoaded(path);
    host.ExplainFailure(detail);
}

void PackingRun::MovieFailed(const std::string& path, const std::string& detail)
{
    report.MovieNotWritten(path);
    host.ExplainFailure(detail);
}

} // namespace brindlecast
