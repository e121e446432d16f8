#include "conversion/ConversionModes.h"
#include "conversion/GifFrameBitmap.h"
#include "conversion/GifFrameBuilder.h"
#include "conversion/GifFrameVisitor.h"
#include "conversion/ImagePaths.h"
#include "conversion/JpegImageBuilder.h"
#include "conversion/MovieAssembly.h"
#include "conversion/PackingRun.h"
#include "project/TBrindlecast.h"
#include "sdk/FCTExportAssets.h"
#include "sdk/FColor.h"
#include "sdk/FControlTags.h"
#include "sdk/FString.h"

#include <memory>
#include <vector>

namespace brindlecast
{

namespace
{

    constexpr S32 kStageTwips = 2000;
    constexpr S32 kFrameRate = 12;

    // One run of "SWF Image Library". Like the one-movie mode, an image's tags and exports
    // join the movie only once the whole image has been read.
    class ImageLibraryRun : public PackingRun
    {
    public:
        ImageLibraryRun(const TBrindlecast& runProject, ConversionHost& runHost)
            : PackingRun(runProject, runHost)
        {
        }

        RunReport Run()
        {
            movie.Add(new FCTSetBackgroundColor(new FColorZell(255, 255, 255)));
            RunProgress progress(host, static_cast<int>(project.Images.size()));
            if (ConvertImages(progress))
                report.Cancelled(kCancelledLibrary, RunReport::Stamp::DateAndTime);
            else
                SaveMovie();
            progress.Finish();
            return report;
        }

    private:
        struct Export {
            S32 shapeId;
            std::string name;
        };

        struct ImageTags {
            TagList tags;
            S32 shapeId;
            std::vector<Export> exported;
        };

        void AddGif(const std::string& path) override
        {
            ImageTags image { {}, previousId, {} };
            bool severalFrames = false;
            const auto read = VisitGifFrames(path, [&](const GifFrameVisit& visit) {
                severalFrames = severalFrames || !visit.onlyFrame;
                if (!visit.frame.yieldsBitmap())
                    return;
                image.shapeId = BuildGifFrame(image.tags,
                    MakeGifFrameBitmap(visit.frame, visit.screen.globalColorMap), image.shapeId,
                    movie.CompressionPool());
                image.exported.push_back({ image.shapeId,
                    LibraryExportName(path, visit.number, severalFrames ? 2 : 1) });
            });
            if (!read)
                return ImageFailed(path, read.error());
            Commit(std::move(image));
        }

        void AddJpeg(const std::string& path) override
        {
            auto picture = LoadJpegPicture(path);
            if (!picture)
                return ImageFailed(path, picture.error());
            ImageTags image { {}, previousId, {} };
            image.shapeId = BuildJpegImage(image.tags, std::move(picture).value(), image.shapeId);
            image.exported.push_back({ image.shapeId, LibraryExportName(path, 1, 1) });
            Commit(std::move(image));
        }

        void Commit(ImageTags&& image)
        {
            movie.Append(std::move(image.tags));
            previousId = image.shapeId;
            for (const auto& item : image.exported) {
                exports->AddAsset(new FCTAssetItem(
                    static_cast<U16>(item.shapeId), new FString(item.name.c_str())));
            }
        }

        void SaveMovie()
        {
            const std::string path = ResolveOutput();
            movie.Add(exports.release());
            movie.Add(new FCTShowFrame());
            const auto saved = movie.Save(path, kStageTwips, kStageTwips, kFrameRate);
            if (saved)
                report.MovieCreated(path, RunReport::Stamp::DateAndTime);
            else
                MovieFailed(path, saved.Error());
        }

        MovieAssembly movie { CompressionPool() };
        std::unique_ptr<FCTExportAssets> exports = std::make_unique<FCTExportAssets>();
        S32 previousId = 0;
    };

} // namespace

RunReport ConvertImageLibrary(const TBrindlecast& project, ConversionHost& host)
{
    return ImageLibraryRun(project, host).Run();
}

} // namespace brindlecast
