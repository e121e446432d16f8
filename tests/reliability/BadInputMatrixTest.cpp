// Damaged, hostile and odd image entries between two good pictures, converted end to end by
// brindlecast-cli: each gives its exact report lines and exit status, the process neither
// crashes nor hangs nor maps more than 1 GiB, and the movie still shows the good pictures.
#include "CliProcess.h"
#include "GifFixture.h"
#include "JpegDefects.h"
#include "JpegFixture.h"
#include "MoviePictures.h"
#include "ProjectFiles.h"
#include "SampleImages.h"
#include "ScratchFolder.h"
#include "swfread/SwfMovie.h"

#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace brindlecast::reliability
{
namespace
{

    namespace fs = std::filesystem;
    using fixtures::GifFixture;
    using fixtures::GifFixtureFrame;
    using Bytes = std::vector<std::uint8_t>;

    std::string writeBytes(const fs::path& path, const Bytes& bytes)
    {
        fixtures::writeFixtureBytes(path, bytes);
        return path.string();
    }

    // A 2-frame 16 x 10 GIF cut short: `cut` picks the length from the end of the first frame
    // (without the trailer) and the whole file.
    std::string writeCutGif(
        const fs::path& path, const std::function<std::size_t(std::size_t, std::size_t)>& cut)
    {
        const Bytes whole = fixtures::encodeGif(GifFixture::animation(16, 10, 2, 4));
        const std::size_t firstFrameEnd
            = fixtures::encodeGif(GifFixture::animation(16, 10, 1, 4)).size() - 1;
        const std::size_t keep = cut(firstFrameEnd, whole.size());
        return writeBytes(path, Bytes(whole.begin(), whole.begin() + static_cast<long>(keep)));
    }

    std::string writeGifFixture(const fs::path& path, const GifFixture& fixture)
    {
        fixtures::writeGif(path, fixture);
        return path.string();
    }

    const Bytes kGarbage = [] {
        const std::string text = "This is a shopping list, not a picture: bread, milk, eggs.\n";
        return Bytes(text.begin(), text.end());
    }();

    // The image list entry of a row, made in the folder given.
    using MakeEntry = std::function<std::string(const fs::path&)>;

    struct BadEntryRow {
        const char* name;
        MakeEntry make;
        // Without the stamp; "{entry}" and "{movie}" stand for the paths.
        std::vector<std::string> report;
        int exitStatus;
        std::vector<std::string> pictures; // per frame, between the two good ones
    };

    const std::vector<std::string> kNotLoaded
        = { "ERROR:500 File Not Found.{entry}", "{movie} has been created with errors." };
    const std::vector<std::string> kConverted = { "{movie} has been created successfully." };

    const std::vector<BadEntryRow> kRows = {
        { "gif_cut_inside_first_frame",
            [](const fs::path& folder) {
                return writeCutGif(folder / "cut_first.gif",
                    [](std::size_t firstEnd, std::size_t) { return firstEnd - 5; });
            },
            kNotLoaded, 1, {} },
        { "gif_cut_inside_second_frame",
            [](const fs::path& folder) {
                return writeCutGif(folder / "cut_second.gif",
                    [](std::size_t firstEnd, std::size_t whole) { return (firstEnd + whole) / 2; });
            },
            kNotLoaded, 1, {} },
        { "gif_cut_after_first_frame_keeps_it",
            [](const fs::path& folder) {
                return writeCutGif(folder / "cut_between.gif",
                    [](std::size_t firstEnd, std::size_t) { return firstEnd; });
            },
            kConverted, 0, { "gif 16x10" } },
        { "garbage_named_gif",
            [](const fs::path& folder) { return writeBytes(folder / "list.gif", kGarbage); },
            kNotLoaded, 1, {} },
        { "garbage_named_jpg",
            [](const fs::path& folder) { return writeBytes(folder / "list.jpg", kGarbage); },
            kNotLoaded, 1, {} },
        { "empty_file_named_jpg",
            [](const fs::path& folder) { return writeBytes(folder / "empty.jpg", {}); }, kNotLoaded,
            1, {} },
        { "gif_frame_claiming_60000_square",
            [](const fs::path& folder) {
                GifFixture fixture = GifFixture::animation(8, 8, 1, 4);
                fixture.frames[0].claimedWidth = 60000;
                fixture.frames[0].claimedHeight = 60000;
                return writeGifFixture(folder / "claims_huge.gif", fixture);
            },
            kNotLoaded, 1, {} },
        { "gif_screen_far_larger_than_its_frame",
            [](const fs::path& folder) {
                GifFixture fixture = GifFixture::animation(30000, 30000, 0, 4);
                fixture.frames = { GifFixtureFrame::at(0, 0, 6, 4) };
                return writeGifFixture(folder / "huge_screen.gif", fixture);
            },
            kConverted, 0, { "gif 6x4" } },
        { "gif_zero_size_frames",
            [](const fs::path& folder) {
                GifFixture fixture = GifFixture::animation(8, 8, 0, 4);
                fixture.frames
                    = { GifFixtureFrame::at(1, 1, 0, 3), GifFixtureFrame::at(0, 0, 5, 0) };
                return writeGifFixture(folder / "zero_size.gif", fixture);
            },
            // Frames without a picture still take their frames; the last picture stays.
            kConverted, 0, { "gif 24x16", "gif 24x16" } },
        { "gif_indices_past_colour_table",
            [](const fs::path& folder) {
                GifFixture fixture = GifFixture::animation(8, 8, 1, 4);
                fixture.frames[0].localColors = 256;
                fixture.frames[0].shrinkLocalTableTo = 4;
                return writeGifFixture(folder / "short_table.gif", fixture);
            },
            kConverted, 0, { "gif 8x8" } },
        { "jpeg_without_end_marker",
            [](const fs::path& folder) {
                return writeBytes(folder / "no_eoi.jpg",
                    fixtures::jpegWithoutEndMarker(
                        fixtures::makeJpeg({ .width = 16, .height = 10 })));
            },
            kConverted, 0, { "jpeg 16x10" } },
        { "jpeg_cmyk",
            [](const fs::path& folder) {
                return writeBytes(folder / "cmyk.jpg",
                    fixtures::makeJpeg(
                        { .width = 16, .height = 10, .color = fixtures::JpegColor::Cmyk }));
            },
            kNotLoaded, 1, {} },
        { "jpeg_12_bit",
            [](const fs::path& folder) {
                return writeBytes(folder / "twelve_bit.jpg",
                    fixtures::jpegWithPrecision(
                        fixtures::makeJpeg({ .width = 16, .height = 10 }), 12));
            },
            kNotLoaded, 1, {} },
        { "folder_named_like_an_image",
            [](const fs::path& folder) {
                fs::create_directory(folder / "album.gif");
                return (folder / "album.gif").string();
            },
            kNotLoaded, 1, {} },
        { "named_pipe_named_like_an_image",
            [](const fs::path& folder) {
                const fs::path pipe = folder / "stream.jpg";
                EXPECT_EQ(mkfifo(pipe.c_str(), 0666), 0);
                return pipe.string();
            },
            kNotLoaded, 1, {} },
        { "unreadable_file",
            [](const fs::path& folder) {
                const std::string path = writeGoodJpeg(folder / "locked.jpg", 16, 10);
                fs::permissions(path, fs::perms::none);
                return path;
            },
            kNotLoaded, 1, {} },
        { "missing_file", [](const fs::path& folder) { return (folder / "gone.gif").string(); },
            kNotLoaded, 1, {} },
        { "path_with_spaces_non_ascii_and_markup",
            [](const fs::path& folder) {
                fs::create_directory(folder / "my pictures & <stuff>");
                return writeGoodGif(
                    folder / "my pictures & <stuff>" / "Grüße aus Köln <1>.gif", 12, 8);
            },
            kConverted, 0, { "gif 12x8" } },
        { "unsupported_extension",
            [](const fs::path& folder) { return writeGoodGif(folder / "drawing.png", 12, 8); },
            { "WARNING: Unsupported image type skipped.{entry}",
                "{movie} has been created with errors." },
            0, {} },
    };

    std::string replaced(std::string text, const std::string& name, const std::string& value)
    {
        for (auto at = text.find(name); at != std::string::npos;
             at = text.find(name, at + value.size()))
            text.replace(at, name.size(), value);
        return text;
    }

    class BadInputMatrix : public ::testing::Test
    {
    protected:
        void SetUp() override
        {
            images = scratch.makeFolder("images");
            output = scratch.makeFolder("out");
            first = writeGoodGif(images / "first.gif", 24, 16);
            last = writeGoodJpeg(images / "last.jpg", 20, 12);
        }

        ScratchFolder scratch;
        fs::path images;
        fs::path output;
        std::string first;
        std::string last;
    };

    TEST_F(BadInputMatrix, EachBadEntryIsReportedAndTheOthersAreConverted)
    {
        for (const BadEntryRow& row : kRows) {
            SCOPED_TRACE(row.name);
            const fs::path folder = scratch.makeFolder(std::string("rows/") + row.name);
            const std::string entry = row.make(folder);
            const std::string movie = (output / (std::string(row.name) + ".swf")).string();
            const fs::path project
                = writeProject(folder / "project.imx", makeProject({ first, entry, last }, movie));

            const CliOutcome run = runCli({ .arguments = { "convert", project.string() } });

            ASSERT_TRUE(run.exited) << run.describe();
            EXPECT_EQ(run.exitStatus, row.exitStatus) << run.describe();
            std::vector<std::string> report;
            for (const std::string& line : row.report)
                report.push_back(std::string(kDateStamp) + " - "
                    + replaced(replaced(line, "{entry}", entry), "{movie}", movie));
            EXPECT_EQ(run.outLines(), report) << run.describe();
            EXPECT_LT(run.peakKiB, static_cast<long>(kMemoryLimitBytes / 1024));
            // The reason for a failed picture goes to standard error and names its file.
            if (row.exitStatus != 0)
                EXPECT_NE(run.err.find(entry), std::string::npos) << run.describe();

            const auto read = swfread::readSwfFile(movie);
            ASSERT_TRUE(read) << read.error();
            std::vector<std::string> pictures = { "gif 24x16" };
            pictures.insert(pictures.end(), row.pictures.begin(), row.pictures.end());
            pictures.push_back("jpeg 20x12");
            EXPECT_EQ(picturesPerFrame(read.value()), pictures);
        }
    }

    // The same entries all in one project, in the modes that write a movie per picture and an
    // image library: every bad one is reported, the good ones are written.
    TEST_F(BadInputMatrix, EveryBadEntryTogetherInTheOtherModes)
    {
        const fs::path folder = scratch.makeFolder("together");
        std::vector<std::string> entries = { first };
        for (const BadEntryRow& row : kRows)
            entries.push_back(row.make(folder));
        entries.push_back(last);

        for (const int mode : { 1, 2 }) {
            SCOPED_TRACE(mode == 1 ? "one movie per picture" : "image library");
            const std::string library = (output / "library.swf").string();
            const fs::path project = writeProject(folder / ("mode" + std::to_string(mode) + ".imx"),
                makeProject(entries, library, mode));

            const CliOutcome run = runCli({ .arguments = { "convert", project.string() } });

            ASSERT_TRUE(run.exited) << run.describe();
            EXPECT_EQ(run.exitStatus, 1) << run.describe();
            std::vector<std::string> failed;
            for (const std::string& line : run.outLines())
                if (line.find("ERROR:500 File Not Found.") != std::string::npos)
                    failed.push_back(line.substr(line.find('.') + 1));
            std::vector<std::string> expectedFailed;
            for (std::size_t i = 0; i < kRows.size(); ++i)
                if (kRows[i].exitStatus != 0)
                    expectedFailed.push_back(entries[i + 1]);
            EXPECT_EQ(failed, expectedFailed) << run.describe();
            if (mode == 2) {
                const auto read = swfread::readSwfFile(library);
                ASSERT_TRUE(read) << read.error();
                const auto exported = exportedPictures(read.value());
                ASSERT_FALSE(exported.empty());
                EXPECT_EQ(exported.front(), "first: gif 24x16");
                EXPECT_EQ(exported.back(), "last: jpeg 20x12");
            } else {
                EXPECT_TRUE(swfread::readSwfFile(images / "first.swf"));
                EXPECT_TRUE(swfread::readSwfFile(images / "last.swf"));
            }
        }
    }

    struct ProjectFormRow {
        const char* name;
        LineEnds ends;
    };

    TEST_F(BadInputMatrix, ProjectFilesWithEitherLineEndsConvertAlike)
    {
        for (const ProjectFormRow& row : { ProjectFormRow { "windows", LineEnds::Windows },
                 ProjectFormRow { "unix", LineEnds::Unix } }) {
            SCOPED_TRACE(row.name);
            const std::string movie = (output / (std::string(row.name) + ".swf")).string();
            const fs::path project = writeProject(scratch / (std::string(row.name) + ".imx"),
                makeProject({ first, last }, movie), row.ends);

            const CliOutcome run = runCli({ .arguments = { "convert", project.string() } });

            ASSERT_TRUE(run.exited) << run.describe();
            EXPECT_EQ(run.exitStatus, 0) << run.describe();
            EXPECT_EQ(run.outLines(),
                std::vector<std::string> {
                    std::string(kDateStamp) + " - " + movie + " has been created successfully." });
            const auto read = swfread::readSwfFile(movie);
            ASSERT_TRUE(read) << read.error();
            EXPECT_EQ(picturesPerFrame(read.value()),
                (std::vector<std::string> { "gif 24x16", "jpeg 20x12" }));
        }
    }

    TEST_F(BadInputMatrix, EmptyProjectFileIsRefusedAndWritesNothing)
    {
        const fs::path project = scratch / "empty.imx";
        writeFile(project, "");

        const CliOutcome run = runCli({ .arguments = { "convert", project.string() } });

        ASSERT_TRUE(run.exited) << run.describe();
        EXPECT_EQ(run.exitStatus, 2) << run.describe();
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err, "brindlecast-cli: Invalid File Format :\n" + project.string() + "\n");
        EXPECT_EQ(ScratchFolder::listing(output), std::vector<std::string> {});
    }

} // namespace
} // namespace brindlecast::reliability
