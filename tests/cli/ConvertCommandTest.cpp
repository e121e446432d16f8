#include "CliProcess.h"
#include "MovieTestSupport.h"
#include "project/ProjectFileWriter.h"

#include <gtest/gtest.h>

using brindlecast::fixtures::GifFixture;

namespace
{

class ConvertCommand : public ::testing::Test
{
protected:
    ConvertCommand() { gif = folder.writeGif("a.gif", GifFixture::animation(8, 8, 2, 4)); }

    std::string writeProject(const TBrindlecast& project)
    {
        TBrindlecast saved;
        const std::string path = folder.file("p.imx");
        EXPECT_TRUE(SaveProjectFile(path, project, saved).ok());
        return path;
    }

    TempFolder folder;
    std::string gif;
};

} // namespace

TEST_F(ConvertCommand, RunsTheProjectsModeAndNeverRewritesTheProject)
{
    // A copy of the program in the test folder, so that the bare output name lands there.
    const std::string program = folder.file("brindlecast-cli");
    std::filesystem::copy_file(BRINDLECAST_BIN_DIR "/brindlecast-cli", program);
    TBrindlecast project;
    project.Images = { gif };
    project.Output = "movie";
    project.ImageDelay = 3;
    const std::string path = writeProject(project);
    const std::string before = readFile(path);

    const CliRun run = runCli({ "convert", "p.imx" }, folder.path(), program);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(
        run.out, "09/09/01 - " + folder.file("movie.swf") + " has been created successfully.\n");
    EXPECT_EQ(readMovie(folder.file("movie.swf")).header.frameCount, 6);
    EXPECT_EQ(readFile(path), before);
}

TEST_F(ConvertCommand, ValidationMessagesGoToStandardError)
{
    const struct {
        const char* message;
        int actionType;
        int images;
        const char* output;
        int frameRate;
        int delay;
    } cases[] = {
        { "Please add Images.", 0, 0, "/x/m.swf", 12, 1 },
        { "Please add Images.", 2, 0, "/x/m.swf", 12, 1 },
        { "Please specify an Output name", 0, 1, "", 12, 1 },
        { "Please specify a Frame Rate", 0, 1, "m", 0, 1 },
        { "Please specify an Image Delay", 0, 1, "m", 12, 0 },
    };
    for (const auto& c : cases) {
        TBrindlecast project;
        project.ActionType = c.actionType;
        project.Images.assign(static_cast<std::size_t>(c.images), gif);
        project.Output = c.output;
        project.FrameRate = c.frameRate;
        project.ImageDelay = c.delay;
        writeProject(project);
        const CliRun run = runCli({ "convert", "p.imx" }, folder.path());
        EXPECT_EQ(run.exitCode, 2) << c.message;
        EXPECT_EQ(run.out, "") << c.message;
        EXPECT_EQ(run.err, std::string("brindlecast-cli: ") + c.message + "\n");
    }
}

TEST_F(ConvertCommand, EachImageProjectNeedsNoOutputName)
{
    TBrindlecast project;
    project.ActionType = 1;
    project.Output = "";
    project.Images = { gif };
    writeProject(project);
    const CliRun run = runCli({ "convert", "p.imx" }, folder.path());
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out,
        "09/09/01 01:46:40 - " + folder.file("a_F1.swf") + " has been created successfully.\n"
            + "09/09/01 01:46:40 - " + folder.file("a_F2.swf")
            + " has been created successfully.\n");
}

TEST_F(ConvertCommand, RefusedProjectsGiveExitStatusTwo)
{
    brindlecast::fixtures::writeFixtureBytes(folder.path() / "junk.imx", { 'n', 'o', 'p', 'e' });
    TBrindlecast unknownMode;
    unknownMode.ActionType = 5;
    unknownMode.Images = { gif };
    writeProject(unknownMode);
    const struct {
        const char* file;
        const char* complaint;
    } cases[] = {
        { "junk.imx", "Invalid File Format :" },
        { "missing.imx", "missing.imx" },
        { "p.imx", "unknown packing mode 5" },
    };
    for (const auto& c : cases) {
        const CliRun run = runCli({ "convert", c.file }, folder.path());
        EXPECT_EQ(run.exitCode, 2) << c.file;
        EXPECT_EQ(run.out, "") << c.file;
        EXPECT_NE(run.err.find(c.complaint), std::string::npos) << run.err;
    }
}

TEST(Cli, HelpAndUsageErrors)
{
    TempFolder folder;
    const struct {
        std::vector<std::string> arguments;
        int exitCode;
        const char* outStart;
        const char* errPart;
    } cases[] = {
        { { "--help" }, 0, "Usage: brindlecast-cli COMMAND", "" },
        { { "convert", "--help" }, 0, "Usage: brindlecast-cli convert", "" },
        { { "make", "--help" }, 0, "Usage: brindlecast-cli make", "" },
        { { "info", "-h" }, 0, "Usage: brindlecast-cli info", "" },
        { { "split", "--help" }, 0, "Usage: brindlecast-cli split", "" },
        { {}, 2, "", "Usage: brindlecast-cli COMMAND" },
        { { "frobnicate" }, 2, "", "unknown command \"frobnicate\"" },
        { { "convert" }, 2, "", "convert: expects one project file" },
        { { "convert", "--threads", "2" }, 2, "", "convert: expects one project file" },
        { { "convert", "a.imx", "b.imx" }, 2, "", "convert: expects one project file" },
        { { "convert", "--bogus", "a.imx" }, 2, "", "convert: unknown option --bogus" },
        { { "convert", "--threads=0", "a.imx" }, 2, "",
            "convert: --threads takes a whole number from 1 to 64" },
        { { "convert", "a.imx", "--threads" }, 2, "", "convert: --threads needs a value" },
        { { "split" }, 2, "", "split: expects one GIF file" },
        { { "info" }, 2, "", "info: no images given" },
    };
    for (const auto& c : cases) {
        const CliRun run = runCli(c.arguments, folder.path());
        const std::string name = c.arguments.empty() ? "(none)" : c.arguments.front();
        EXPECT_EQ(run.exitCode, c.exitCode) << name;
        EXPECT_EQ(run.out.rfind(c.outStart, 0), 0u) << name << ": " << run.out;
        EXPECT_NE(run.err.find(c.errPart), std::string::npos) << name << ": " << run.err;
    }
}

TEST_F(ConvertCommand, ThreadsOptionGoesBeforeOrAfterTheProject)
{
    TBrindlecast project;
    project.Images = { gif, gif };
    project.Output = folder.file("movie.swf");
    writeProject(project);
    std::string movies[2];
    const std::vector<std::string> runs[2]
        = { { "convert", "--threads", "2", "p.imx" }, { "convert", "p.imx", "--threads=1" } };
    for (int i = 0; i < 2; ++i) {
        const CliRun run = runCli(runs[i], folder.path());
        EXPECT_EQ(run.exitCode, 0) << run.err;
        movies[i] = readFile(folder.file("movie.swf"));
    }
    EXPECT_FALSE(movies[0].empty());
    EXPECT_TRUE(movies[0] == movies[1]);
}
