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
#include "sdk/FDT.h"

#include <deque>
#include <memory>

namespace brindlecast
{

namespace
{

    constexpr S32 kFrameRate = 12;

    // One run of "1 SWF For each Gif". Each movie is written as soon as its picture has been
    // read, so memory holds one picture at a time; a GIF that fails half-way keeps the movies
    // of its earlier frames and gets its ERROR:500 line. With compression threads, a window of
    // movies waits for their bitmaps while the next frames are read, so that several bitmaps
    // are compressed at once; an image's movies are all written before its error line and
    // before the next image, so the report and cancel keep their meaning.
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
        struct WaitingMovie {
            std::unique_ptr<MovieAssembly> movie;
            std::string path;
            int width; // pixels
            int height;
        };

        void AddGif(const std::string& path) override
        {
            const auto read = VisitGifFrames(path, [&](const GifFrameVisit& visit) {
                auto movie = NewMovie();
                if (visit.frame.yieldsBitmap()) {
                    TagList tags;
                    const S32 shapeId = BuildGifFrame(tags,
                        MakeGifFrameBitmap(visit.frame, visit.screen.globalColorMap), 0,
                        movie->CompressionPool());
                    tags.Add(NewPlacement(static_cast<U16>(shapeId), kPictureDepth));
                    movie->Append(std::move(tags));
                }
                // Whether the GIF has one frame or more is known by now.
                const int frameCount = visit.onlyFrame ? 1 : 2;
                Queue({ std::move(movie), EachImageMovieName(path, visit.number, frameCount),
                    visit.screen.width, visit.screen.height });
            });
            SaveWaitingMovies();
            if (!read)
                ImageFailed(path, read.error());
        }

        void AddJpeg(const std::string& path) override
        {
            auto picture = LoadJpegPicture(path);
            if (!picture)
                return ImageFailed(path, picture.error());
            const int width = picture.value().width, height = picture.value().height;
            auto movie = NewMovie();
            TagList tags;
            const S32 shapeId = BuildJpegImage(tags, std::move(picture).value(), 0);
            tags.Add(NewPlacement(static_cast<U16>(shapeId), kPictureDepth));
            movie->Append(std::move(tags));
            Queue({ std::move(movie), EachImageMovieName(path, 1, 1), width, height });
            SaveWaitingMovies();
        }

        // A movie on a white background. Its characters are numbered from one, although the
        // movies before it may still wait to be written.
        std::unique_ptr<MovieAssembly> NewMovie()
        {
            ResetCharacterIds();
            auto movie = std::make_unique<MovieAssembly>(CompressionPool());
            movie->Add(new FCTSetBackgroundColor(new FColorZell(255, 255, 255)));
            return movie;
        }

        void Queue(WaitingMovie waiting)
        {
            waiting.movie->Add(new FCTShowFrame());
            waitingMovies.push_back(std::move(waiting));
            if (waitingMovies.size() > CompressionWindow())
                SaveOldest();
        }

        void SaveWaitingMovies()
        {
            while (!waitingMovies.empty())
                SaveOldest();
        }

        void SaveOldest()
        {
            const WaitingMovie waiting = std::move(waitingMovies.front());
            waitingMovies.pop_front();
            const auto saved = waiting.movie->Save(
                waiting.path, 20 * waiting.width, 20 * waiting.height, kFrameRate);
            if (saved)
                report.MovieCreated(waiting.path, RunReport::Stamp::DateAndTime);
            else
                MovieFailed(waiting.path, saved.Error());
        }

        std::deque<WaitingMovie> waitingMovies;
    };

} // namespace

RunReport ConvertEachImage(const TBrindlecast& project, ConversionHost& host)
{
    return EachImageRun(project, host).Run();
}

} // namespace brindlecast
