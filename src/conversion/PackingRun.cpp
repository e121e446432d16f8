#include "conversion/PackingRun.h"

#include "conversion/ImagePaths.h"
#include "project/TBrindlecast.h"

namespace brindlecast
{

namespace
{
    // Jobs queued or running per thread: enough to keep every thread busy while the run's
    // thread decodes the next frame, few enough that the inputs they hold stay small.
    constexpr std::size_t kJobsPerThread = 2;

    std::unique_ptr<FCompressionPool> MakeCompressionPool(unsigned threads)
    {
        if (threads <= 1)
            return nullptr;
        return std::make_unique<FCompressionPool>(threads, kJobsPerThread * threads);
    }
} // namespace

PackingRun::PackingRun(const TBrindlecast& runProject, ConversionHost& runHost)
    : project(runProject)
    , host(runHost)
    , report(runHost)
    , compressionPool(MakeCompressionPool(runHost.CompressionThreads()))
{
}

std::size_t PackingRun::CompressionWindow() const
{
    return compressionPool ? compressionPool->Window() : 0;
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
