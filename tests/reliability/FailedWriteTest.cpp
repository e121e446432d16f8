// Writes that cannot succeed, for each kind of file the system writes: a movie (convert), a
// split frame (split) and a project file. The failure is reported, an earlier file of the same
// name stays byte for byte, and no temporary file is left.
#include "ChildRestrictions.h"
#include "CliProcess.h"
#include "FullDisk.h"
#include "GifFixture.h"
#include "ProjectFiles.h"
#include "SampleImages.h"
#include "ScratchFolder.h"
#include "project/ProjectFileWriter.h"

#include <functional>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

namespace brindlecast::reliability
{
namespace
{

    namespace fs = std::filesystem;

    // Every file written below is larger than this, so that it runs into the limits.
    constexpr std::uint64_t kRoomLeft = 8 * 1024;
    const std::string kEarlierBytes = "the earlier file of this name, which must survive\n";

    struct Attempt {
        bool failed = false;
        std::string shown; // everything the user was told
        std::vector<std::string> report; // the report lines on standard output
    };

    Attempt fromRun(const CliOutcome& run)
    {
        EXPECT_TRUE(run.exited) << run.describe();
        return { run.exitStatus != 0, run.describe(), run.outLines() };
    }

    // Sources shared by the attempts: pictures large enough to exceed kRoomLeft.
    struct Sources {
        std::string photo1;
        std::string photo2;
        std::string walk;
    };

    // Saves a project of many images in a child process under the tests' restrictions; the
    // child's error text comes back through a pipe.
    Attempt saveProjectInChild(const fs::path& target, std::optional<std::uint64_t> sizeLimit)
    {
        TBrindlecast project;
        for (int i = 0; i < 300; ++i)
            project.Images.push_back(
                "/home/someone/pictures/holiday/" + std::to_string(i) + ".jpg");
        int channel[2];
        if (pipe(channel) != 0)
            return { false, "pipe failed", {} };
        const pid_t child = fork();
        if (child == 0) {
            close(channel[0]);
            if (!restrictChild(sizeLimit))
                _exit(126);
            TBrindlecast saved;
            const FileWriteResult result = SaveProjectFile(target.string(), project, saved);
            const std::size_t written = static_cast<std::size_t>(
                write(channel[1], result.error.data(), result.error.size()));
            _exit(written == result.error.size() ? 0 : 125);
        }
        close(channel[1]);
        std::string error;
        char buffer[4096];
        for (ssize_t got; (got = read(channel[0], buffer, sizeof buffer)) > 0;)
            error.append(buffer, static_cast<std::size_t>(got));
        close(channel[0]);
        int status = 0;
        waitpid(child, &status, 0);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
            return { false, "the child failed with status " + std::to_string(status), {} };
        return { !error.empty(), error, {} };
    }

    struct WriteTarget {
        const char* name;
        const char* fileName;
        std::function<Attempt(const Sources&, const fs::path&, std::optional<std::uint64_t>)>
            attempt;
        // The report lines of a failed attempt to write `file`.
        std::function<std::vector<std::string>(const fs::path& file)> failureReport;
    };

    const WriteTarget kTargets[] = {
        { "movie", "movie.swf",
            [](const Sources& sources, const fs::path& target, std::optional<std::uint64_t> limit) {
                const fs::path project
                    = writeProject(fs::path(sources.photo1).parent_path() / "movie.imx",
                        makeProject({ sources.photo1, sources.photo2 }, target.string()));
                return fromRun(runCli(
                    { .arguments = { "convert", project.string() }, .fileSizeLimit = limit }));
            },
            [](const fs::path& file) {
                return std::vector<std::string> { std::string(kDateStamp)
                    + " - ERROR:400 Could Not Write Movie." + file.string() };
            } },
        { "split frame", "walk_F1.gif",
            [](const Sources& sources, const fs::path& target, std::optional<std::uint64_t> limit) {
                return fromRun(runCli({ .arguments
                    = { "split", sources.walk, "--out", target.parent_path().string() },
                    .fileSizeLimit = limit }));
            },
            // The first frame fails, so nothing is announced as saved.
            [](const fs::path&) { return std::vector<std::string> {}; } },
        { "project file", "project.imx",
            [](const Sources&, const fs::path& target, std::optional<std::uint64_t> limit) {
                return saveProjectInChild(target, limit);
            },
            [](const fs::path&) { return std::vector<std::string> {}; } },
    };

    // Where a write fails: `prepare` makes the surroundings in `area` and returns the folder the
    // file goes into.
    struct Failure {
        const char* name;
        std::function<fs::path(const ScratchFolder&, const fs::path& area, const char* fileName)>
            prepare;
        std::optional<std::uint64_t> fileSizeLimit;
        bool earlierFile; // an earlier file of the same name is there and must stay
    };

    const Failure kFailures[] = {
        { "output folder missing",
            [](const ScratchFolder&, const fs::path& area, const char*) {
                return area / "missing";
            },
            std::nullopt, false },
        { "output path is a folder",
            [](const ScratchFolder& scratch, const fs::path& area, const char* fileName) {
                const fs::path occupied
                    = scratch.makeFolder(fs::relative(area / fileName, scratch.path()).string());
                writeFile(occupied / "keep.txt", kEarlierBytes);
                return area;
            },
            std::nullopt, false },
        { "output folder read-only",
            [](const ScratchFolder&, const fs::path& area, const char* fileName) {
                writeFile(area / fileName, kEarlierBytes);
                fs::permissions(area,
                    fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read
                        | fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec,
                    fs::perm_options::replace);
                return area;
            },
            std::nullopt, true },
        { "file size limit",
            [](const ScratchFolder&, const fs::path& area, const char* fileName) {
                writeFile(area / fileName, kEarlierBytes);
                return area;
            },
            kRoomLeft, true },
    };

    class FailedWrite : public ::testing::Test
    {
    protected:
        void SetUp() override
        {
            const fs::path sourceFolder = scratch.makeFolder("sources");
            sources.photo1
                = writeGoodJpeg(sourceFolder / "photo1.jpg", 320, 240, { .quality = 95 });
            sources.photo2
                = writeGoodJpeg(sourceFolder / "photo2.jpg", 240, 320, { .quality = 95 });
            fixtures::writeGif(
                sourceFolder / "walk.gif", fixtures::GifFixture::animation(400, 300, 2, 256));
            sources.walk = (sourceFolder / "walk.gif").string();
        }

        // Runs the attempt and checks what a failed write must leave behind.
        void expectFailureLeavesNoTrace(const WriteTarget& target, const fs::path& folder,
            std::optional<std::uint64_t> sizeLimit, bool earlierFile)
        {
            const fs::path file = folder / target.fileName;
            const fs::path watched = fs::exists(folder) ? folder : folder.parent_path();
            const std::vector<std::string> before = ScratchFolder::listing(watched);

            const Attempt attempt = target.attempt(sources, file, sizeLimit);

            EXPECT_TRUE(attempt.failed) << attempt.shown;
            EXPECT_EQ(attempt.report, target.failureReport(file)) << attempt.shown;
            EXPECT_NE(attempt.shown.find(file.string()), std::string::npos)
                << "the message names the file: " << attempt.shown;
            EXPECT_EQ(ScratchFolder::listing(watched), before) << "a temporary file was left";
            if (earlierFile)
                EXPECT_TRUE(readFile(file) == kEarlierBytes) << "the earlier file changed";
        }

        ScratchFolder scratch;
        Sources sources;
    };

    TEST_F(FailedWrite, FailureIsReportedAndLeavesEarlierFilesAlone)
    {
        for (const Failure& failure : kFailures) {
            for (const WriteTarget& target : kTargets) {
                SCOPED_TRACE(std::string(target.name) + ", " + failure.name);
                const fs::path area
                    = scratch.makeFolder(std::string("cases/") + failure.name + "/" + target.name);
                const fs::path folder = failure.prepare(scratch, area, target.fileName);
                expectFailureLeavesNoTrace(
                    target, folder, failure.fileSizeLimit, failure.earlierFile);
            }
        }
    }

    TEST_F(FailedWrite, FullDiskLeavesEarlierFilesAlone)
    {
        for (const WriteTarget& target : kTargets) {
            SCOPED_TRACE(target.name);
            FullDisk disk(scratch / (std::string("disk ") + target.name), kRoomLeft);
            if (!disk.available())
                GTEST_SKIP() << "cannot mount a small tmpfs here; the file size limit stands in";
            writeFile(disk.path() / target.fileName, kEarlierBytes);
            ASSERT_TRUE(disk.fill(kRoomLeft));
            expectFailureLeavesNoTrace(target, disk.path(), std::nullopt, true);
        }
    }

    // The same writes succeed where there is room, so the failures above are the limits'.
    TEST_F(FailedWrite, SameWritesSucceedWithRoom)
    {
        for (const WriteTarget& target : kTargets) {
            SCOPED_TRACE(target.name);
            const fs::path folder = scratch.makeFolder(std::string("room/") + target.name);
            writeFile(folder / target.fileName, kEarlierBytes);
            const Attempt attempt = target.attempt(sources, folder / target.fileName, std::nullopt);
            EXPECT_FALSE(attempt.failed) << attempt.shown;
            EXPECT_GT(fs::file_size(folder / target.fileName), kRoomLeft);
        }
    }

} // namespace
} // namespace brindlecast::reliability
