#include "conversion/ConversionModes.h"
#include "conversion/GifFrameBitmap.h"
#include "conversion/GifFrameBuilder.h"
#include "conversion/GifFrameVisitor.h"
#include "conversion/ImagePaths.h"
#include "conversion/JpegImageBuilder.h"
#include "conversion/MovieAssembly.h"
#include "conversion/PackingRun.h"
#include "conversion/Placement.h"
#include "project/TBrindlecast.h"
#include "sdk/FCTPlaceObject2.h"
#include "sdk/FColor.h"
#include "sdk/FControlTags.h"

namespace brindlecast
{

namespace
{

    constexpr S32 kFrameRate = 12;

    // One run of "1 SWF For each Gif". Each movie is written as soon as its picture has been
    // read, so memory holds one picture at a time; a GIF that fails half-way keeps the movies
    // of its earlier frames and gets its ERROR:500 line.
    class EachImageRun : public PackingRun
    {
    public:
        EachImageRun(const TBrindlecast& runProject, ConversionHost& runHost)
            : PackingRun(runProject, runHost)
        {
        }

        RunReport Run()
        {
            RunProgress progress(host, static_cast<int>(project.Images.size()));
            if (ConvertImages(progress))
                report.Cancelled(kCancelledEachImage, RunReport::Stamp::Date);
            progress.Finish();
            return report;
        }

    private:
        void AddGif(const std::string& path) override
        {
            const auto read = VisitGifFrames(path, [&](const GifFrameVisit& visit) {
                MovieAssembly movie;
                AddWhiteBackground(movie);
                if (visit.frame.yieldsBitmap()) {
                    TagList tags;
                    const S32 shapeId = BuildGifFrame(
                        tags, MakeGifFrameBitmap(visit.frame, visit.screen.globalColorMap), 0);
                    tags.Add(NewPlacement(static_cast<U16>(shapeId), kPictureDepth));
                    movie.Append(std::move(tags));
                }
                // Whether the GIF has one frame or more is known by now.
                const int frameCount = visit.onlyFrame ? 1 : 2;
                Save(movie, EachImageMovieName(path, visit.number, frameCount), visit.screen.width,
                    visit.screen.height);
            });
            if (!read)
                ImageFailed(path, read.error());
        }

        void AddJpeg(const std::string& path) override
        {
            auto picture = LoadJpegPicture(path);
            if (!picture)
                return ImageFailed(path, picture.error());
            const int width = picture.value().width, height = picture.value().height;
            MovieAssembly movie;
            AddWhiteBackground(movie);
            TagList tags;
            const S32 shapeId = BuildJpegImage(tags, std::move(picture).value(), 0);
            tags.Add(NewPlacement(static_cast<U16>(shapeId), kPictureDepth));
            movie.Append(std::move(tags));
            Save(movie, EachImageMovieName(path, 1, 1), width, height);
        }

        static void AddWhiteBackground(MovieAssembly& movie)
        {
            movie.Add(new FCTSetBackgroundColor(new FColorZell(255, 255, 255)));
        }

        void Save(MovieAssembly& movie, const std::string& moviePath, int width, int height)
        {
            movie.Add(new FCTShowFrame());
            const auto saved = movie.Save(moviePath, 20 * width, 20 * height, kFrameRate);
            if (saved)
                report.MovieCreated(moviePath, RunReport::Stamp::DateAndTime);
            else
                MovieFailed(moviePath, saved.Error());
        }
    };

} // namespace

RunReport ConvertEachImage(const TBrindlecast& project, ConversionHost& host)
{
    return EachImageRun(project, host).Run();
}

} // namespace brindlecast
