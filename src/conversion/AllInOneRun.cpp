#include "conversion/ConversionModes.h"
#include "conversion/GifFrameBitmap.h"
#include "conversion/GifFrameBuilder.h"
#include "conversion/GifFrameVisitor.h"
#include "conversion/JpegImageBuilder.h"
#include "conversion/LinkButtonBuilder.h"
#include "conversion/MovieAssembly.h"
#include "conversion/PackingRun.h"
#include "conversion/PictureSize.h"
#include "conversion/Placement.h"
#include "project/TBrindlecast.h"
#include "sdk/FCTPlaceObject2.h"
#include "sdk/FColor.h"
#include "sdk/FControlTags.h"

#include <algorithm>

namespace brindlecast
{

namespace
{

    // Red in the low byte of the project's colour value.
    FColorZell* NewBackgroundColor(std::int32_t colorValue)
    {
        const auto rgb = static_cast<std::uint32_t>(colorValue);
        return new FColorZell(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF);
    }

    // One run of "All Gifs in 1 SWF". Each image's tags join the movie only once the whole
    // image has been read, so a file that fails half-way adds nothing.
    class AllInOneRun : public PackingRun
    {
    public:
        AllInOneRun(const TBrindlecast& runProject, ConversionHost& runHost)
            : PackingRun(runProject, runHost)
        {
        }

        RunReport Run()
        {
            RunProgress progress(
                host, static_cast<int>(project.Images.size()), "Automation on progress.");
            MeasureMovie();
            movie.Add(new FCTSetBackgroundColor(NewBackgroundColor(project.BackgroundColor)));
            if (ConvertImages(progress)) {
                report.Cancelled(kCancelledAllInOne, RunReport::Stamp::Date);
            } else {
                progress.BarOnly(static_cast<int>(project.Images.size()));
                SaveMovie();
            }
            progress.Finish();
            return report;
        }

    private:
        struct ImageTags {
            TagList tags;
            S32 shapeId;
            bool linkMade;
        };

        // The largest picture gives the movie's size, read from the headers alone; files
        // that cannot be read are reported by the conversion itself.
        void MeasureMovie()
        {
            for (const auto& path : project.Images) {
                if (const auto size = ReadPictureSize(path)) {
                    movieWidth = std::max(movieWidth, 20 * size->width);
                    movieHeight = std::max(movieHeight, 20 * size->height);
                }
            }
        }

        void AddGif(const std::string& path) override
        {
            ImageTags image { {}, previousId, linkMade };
            const auto read = VisitGifFrames(path, [&](const GifFrameVisit& visit) {
                if (visit.frame.yieldsBitmap()) {
                    image.shapeId = BuildGifFrame(image.tags,
                        MakeGifFrameBitmap(visit.frame, visit.screen.globalColorMap), image.shapeId,
                        movie.CompressionPool());
                    image.tags.Add(NewPlacement(static_cast<U16>(image.shapeId), kPictureDepth));
                }
                EndPicture(image);
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
            ImageTags image { {}, previousId, linkMade };
            image.shapeId = BuildJpegImage(image.tags, std::move(picture).value(), image.shapeId);
            image.tags.Add(NewPlacement(static_cast<U16>(image.shapeId), kPictureDepth));
            EndPicture(image);
            Commit(std::move(image));
        }

        // The link button comes once, after the first picture; then the picture's frames.
        void EndPicture(ImageTags& image)
        {
            if (!project.Link.empty() && !image.linkMade) {
                BuildLinkButton(image.tags, movieWidth, movieHeight, project.Link, project.Target);
                image.linkMade = true;
            }
            for (int i = 0; i < project.ImageDelay; ++i)
                image.tags.Add(new FCTShowFrame());
        }

        void Commit(ImageTags&& image)
        {
            movie.Append(std::move(image.tags));
            previousId = image.shapeId;
            linkMade = image.linkMade;
        }

        void SaveMovie()
        {
            const std::string path = ResolveOutput();
            const bool problemsBefore = !report.Empty();
            const auto saved = movie.Save(path, movieWidth, movieHeight, project.FrameRate);
            if (!saved)
                return MovieFailed(path, saved.Error());
            if (problemsBefore)
                report.MovieCreatedWithErrors(path);
            else
                report.MovieCreated(path, RunReport::Stamp::Date);
            if (movie.FrameCountClamped())
                report.TooManyFrames();
        }

        MovieAssembly movie { CompressionPool() };
        S32 movieWidth = 0; // twips
        S32 movieHeight = 0;
        S32 previousId = 0;
        bool linkMade = false;
    };

} // namespace

RunReport ConvertAllInOne(const TBrindlecast& project, ConversionHost& host)
{
    return AllInOneRun(project, host).Run();
}

} // namespace brindlecast
