// brindlecast-cli processes running at the same time over one output folder, and a reader
// watching that folder while a movie is written.
#include "CliProcess.h"
#include "MoviePictures.h"
#include "ProjectFiles.h"
#include "SampleImages.h"
#include "ScratchFolder.h"
#include "swfread/SwfMovie.h"

#include <gtest/gtest.h>
#include <span>

namespace brindlecast::reliability
{
namespace
{

    namespace fs = std::filesystem;

    struct ProjectRun {
        fs::path project;
        std::string movie;
        std::vector<std::string> pictures; // what the movie shows, frame by frame
    };

    class Concurrency : public ::testing::Test
    {
    protected:
        void SetUp() override
        {
            sources = scratch.makeFolder("sources");
            output = scratch.makeFolder("out");
        }

        // A project of `count` pictures whose widths start at `firstWidth`, so that every
        // project's movie is told apart by what it shows.
        ProjectRun makeRun(const std::string& name, int firstWidth, int height, int count,
            const std::string& movie)
        {
            ProjectRun run { sources / (name + ".imx"), movie, {} };
            std::vector<std::string> images;
            for (int i = 0; i < count; ++i) {
                const int width = firstWidth + i;
                const std::string stem = name + "_" + std::to_string(i);
                const std::string size = std::to_string(width) + "x" + std::to_string(height);
                if (i % 2 == 0) {
                    images.push_back(writeGoodGif(sources / (stem + ".gif"), width, height));
                    run.pictures.push_back("gif " + size);
                } else {
                    images.push_back(writeGoodJpeg(sources / (stem + ".jpg"), width, height));
                    run.pictures.push_back("jpeg " + size);
                }
            }
            writeProject(run.project, makeProject(images, movie));
            return run;
        }

        static std::vector<std::string> picturesOf(const std::string& movie)
        {
            const auto read = swfread::readSwfFile(movie);
            EXPECT_TRUE(read) << read.error();
            return read ? picturesPerFrame(read.value()) : std::vector<std::string> {};
        }

        ScratchFolder scratch;
        fs::path sources;
        fs::path output;
    };

    TEST_F(Concurrency, TwoProjectsIntoOneFolderBothComplete)
    {
        const ProjectRun a = makeRun("a", 30, 40, 12, (output / "a.swf").string());
        const ProjectRun b = makeRun("b", 50, 40, 12, (output / "b.swf").string());
        for (int round = 0; round < 4; ++round) {
            SCOPED_TRACE(round);
            CliProcess first({ .arguments = { "convert", a.project.string() } });
            CliProcess second({ .arguments = { "convert", b.project.string() } });
            const CliOutcome firstRun = first.wait();
            const CliOutcome secondRun = second.wait();

            for (const auto& [run, outcome] :
                { std::pair { &a, &firstRun }, std::pair { &b, &secondRun } }) {
                EXPECT_EQ(outcome->exitStatus, 0) << outcome->describe();
                EXPECT_EQ(outcome->outLines(),
                    std::vector<std::string> { std::string(kDateStamp) + " - " + run->movie
                        + " has been created successfully." });
                EXPECT_EQ(picturesOf(run->movie), run->pictures);
            }
            EXPECT_EQ(
                ScratchFolder::listing(output), (std::vector<std::string> { "a.swf", "b.swf" }));
        }
    }

    // Two runs racing for one name: the file that stays is one whole movie, never a mixture.
    TEST_F(Concurrency, TwoProjectsIntoOneNameLeaveOneWholeMovie)
    {
        const std::string movie = (output / "shared.swf").string();
        const ProjectRun a = makeRun("a", 30, 40, 12, movie);
        const ProjectRun b = makeRun("b", 50, 40, 12, movie);
        for (int round = 0; round < 4; ++round) {
            SCOPED_TRACE(round);
            CliProcess first({ .arguments = { "convert", a.project.string() } });
            CliProcess second({ .arguments = { "convert", b.project.string() } });
            EXPECT_EQ(first.wait().exitStatus, 0);
            EXPECT_EQ(second.wait().exitStatus, 0);

            const std::vector<std::string> shown = picturesOf(movie);
            EXPECT_TRUE(shown == a.pictures || shown == b.pictures)
                << ::testing::PrintToString(shown);
            EXPECT_EQ(ScratchFolder::listing(output), std::vector<std::string> { "shared.swf" });
        }
    }

    // The movie's name is read over and over while movies replace an earlier one of that name:
    // every read finds a complete, readable movie.
    TEST_F(Concurrency, ReaderNeverSeesAHalfWrittenMovie)
    {
        const std::string movie = (output / "movie.swf").string();
        const ProjectRun small = makeRun("small", 20, 20, 2, movie);
        const ProjectRun large = makeRun("large", 400, 300, 40, movie);
        ASSERT_EQ(runCli({ .arguments = { "convert", small.project.string() } }).exitStatus, 0);

        int readsWhileWriting = 0;
        std::vector<std::string> faults;
        const auto readMovie = [&] {
            const std::string bytes = readFile(movie);
            const auto read = swfread::readSwfBytes(
                std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()),
                movie);
            if (!read)
                faults.push_back(read.error());
        };
        for (const ProjectRun* run : { &large, &small, &large }) {
            CliProcess writer({ .arguments = { "convert", run->project.string() } });
            while (!writer.finished()) {
                // Anything beside the movie is the writer's file in progress.
                const bool writing = ScratchFolder::listing(output).size() > 1;
                readMovie();
                readsWhileWriting += writing ? 1 : 0;
            }
            readMovie();
            const CliOutcome outcome = writer.wait();
            EXPECT_EQ(outcome.exitStatus, 0) << outcome.describe();
            EXPECT_EQ(picturesOf(movie), run->pictures);
        }
        EXPECT_EQ(faults, std::vector<std::string> {});
        EXPECT_GT(readsWhileWriting, 0) << "no read overlapped the writing of a movie";
    }

} // namespace
} // namespace brindlecast::reliability
