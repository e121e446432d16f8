#include "CliProcess.h"
#include "MovieTestSupport.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <sys/wait.h>

using brindlecast::fixtures::GifFixture;
using brindlecast::fixtures::JpegFixture;

namespace
{

class MakeCommand : public ::testing::Test
{
protected:
    MakeCommand()
    {
        folder.writeGif("anim.gif", GifFixture::animation(12, 8, 3, 4));
        folder.writeJpeg("photo.jpg", brindlecast::fixtures::makeJpeg(JpegFixture { 20, 30 }));
    }

    TempFolder folder;
};

} // namespace

TEST_F(MakeCommand, WritesOneMovieAndOnlyTheReportLineToStandardOutput)
{
    const CliRun run = runCli({ "make", "--delay", "2", "--frame-rate", "25", "--background",
                                  "#102030", "--link", "", "-o", "show", "anim.gif", "photo.jpg" },
        folder.path());
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(
        run.out, "09/09/01 - " + folder.file("show.swf") + " has been created successfully.\n");
    EXPECT_EQ(run.err, "");

    const auto movie = readMovie(folder.file("show.swf"));
    EXPECT_EQ(movie.header.frameCount, 8); // 4 pictures, 2 frames each
    EXPECT_EQ(movie.header.frameRate, 25 << 8);
    EXPECT_EQ(movie.header.frameSize.xmax, 400);
    EXPECT_EQ(movie.header.frameSize.ymax, 600);
    EXPECT_EQ(movie.backgroundColor, (brindlecast::swfread::SwfColor { 0x10, 0x20, 0x30 }));
    const auto tags = tagSummary(movie);
    EXPECT_EQ(std::count(tags.begin(), tags.end(), "button 9"), 0); // no link, no button
}

TEST_F(MakeCommand, DefaultsAreThoseOfANewProject)
{
    const CliRun run = runCli({ "make", "anim.gif" }, folder.path());
    EXPECT_EQ(run.exitCode, 0);
    const auto movie = readMovie(folder.file("untitled.swf"));
    EXPECT_EQ(movie.header.frameCount, 3);
    EXPECT_EQ(movie.header.frameRate, 12 << 8);
    EXPECT_EQ(movie.backgroundColor, (brindlecast::swfread::SwfColor { 255, 255, 255 }));
    const auto* button = movie.character<brindlecast::swfread::SwfButton>(7);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->conditions.at(0).actions.at(0).getUrl,
        (brindlecast::swfread::SwfGetUrl { "http://www.example.com/brindlecast/", "_blank" }));
}

TEST_F(MakeCommand, ErrorLinesGiveExitStatusOneAndTheirCauseOnStandardError)
{
    const CliRun run = runCli({ "make", "anim.gif", "gone.jpg", "readme.txt" }, folder.path());
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out,
        "09/09/01 - ERROR:500 File Not Found." + folder.file("gone.jpg") + "\n"
            + "09/09/01 - WARNING: Unsupported image type skipped." + folder.file("readme.txt")
            + "\n" + "09/09/01 - " + folder.file("untitled.swf")
            + " has been created with errors.\n");
    EXPECT_NE(run.err.find("gone.jpg"), std::string::npos) << run.err;
}

TEST_F(MakeCommand, EachModeStampsDateAndTimeAndWritesBesideTheSources)
{
    const CliRun run = runCli({ "make", "--mode", "each", "photo.jpg" }, folder.path());
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out,
        "09/09/01 01:46:40 - " + folder.file("photo.swf") + " has been created successfully.\n");
}

TEST_F(MakeCommand, MovieThatCannotBeWrittenGivesExitStatusOne)
{
    const CliRun run = runCli({ "make", "-o", "no/such/folder/m.swf", "anim.gif" }, folder.path());
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out,
        "09/09/01 - ERROR:400 Could Not Write Movie." + folder.file("no/such/folder/m.swf") + "\n");
    EXPECT_NE(run.err, "");
}

TEST_F(MakeCommand, ValidationMessageGoesToStandardErrorAndNothingIsWritten)
{
    const CliRun run = runCli({ "make", "--delay", "0", "anim.gif" }, folder.path());
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "brindlecast-cli: Please specify an Image Delay\n");
    EXPECT_FALSE(std::filesystem::exists(folder.file("untitled.swf")));
}

TEST_F(MakeCommand, UsageErrorsStopBeforeAnythingIsWritten)
{
    const struct {
        std::vector<std::string> arguments;
        const char* complaint;
    } cases[] = {
        { { "make", "-r", "0", "anim.gif" }, "--frame-rate takes a whole number from 1 to 100" },
        { { "make", "--frame-rate=101", "anim.gif" },
            "--frame-rate takes a whole number from 1 to 100" },
        { { "make", "-d", "1001", "anim.gif" }, "--delay takes a whole number from 0 to 1000" },
        { { "make", "-d", "12x", "anim.gif" }, "--delay takes a whole number from 0 to 1000" },
        { { "make", "-b", "red", "anim.gif" }, "--background takes a colour as #RRGGBB" },
        { { "make", "-b", "#12345G", "anim.gif" }, "--background takes a colour as #RRGGBB" },
        { { "make", "--mode", "movie", "anim.gif" }, "--mode takes all, each or library" },
        { { "make", "--size", "3", "anim.gif" }, "unknown option --size" },
        { { "make", "--threads", "0", "anim.gif" }, "--threads takes a whole number from 1 to 64" },
        { { "make", "--threads=65", "anim.gif" }, "--threads takes a whole number from 1 to 64" },
        { { "make", "--threads", "two", "anim.gif" },
            "--threads takes a whole number from 1 to 64" },
        { { "make", "anim.gif", "-o" }, "--output needs a value" },
        { { "make" }, "no images given" },
    };
    for (const auto& c : cases) {
        const CliRun run = runCli(c.arguments, folder.path());
        EXPECT_EQ(run.exitCode, 2) << c.complaint;
        EXPECT_EQ(run.out, "") << c.complaint;
        EXPECT_NE(run.err.find(c.complaint), std::string::npos) << run.err;
    }
    EXPECT_FALSE(std::filesystem::exists(folder.file("untitled.swf")));
}

TEST_F(MakeCommand, LibraryModeExportsByFileName)
{
    const CliRun run
        = runCli({ "make", "-m", "library", "-o", "lib", "photo.jpg", "anim.gif" }, folder.path());
    EXPECT_EQ(run.exitCode, 0);
    const auto tags = tagSummary(readMovie(folder.file("lib.swf")));
    EXPECT_EQ(tags.at(tags.size() - 3), "export 2:photo 4:anim_F1 6:anim_F2 8:anim_F3");
}

TEST_F(MakeCommand, MovieIsTheSameWhateverTheCurrentFolder)
{
    std::filesystem::create_directory(folder.path() / "one");
    std::filesystem::create_directory(folder.path() / "two");
    const auto progressive
        = brindlecast::fixtures::makeJpeg(JpegFixture { 24, 24, {}, { 90, true } });
    const std::string jpeg = folder.writeJpeg("p.jpg", progressive);
    for (const char* cwd : { "one", "two" }) {
        const std::string movie = folder.file(std::string(cwd) + ".swf");
        const CliRun run
            = runCli({ "make", "-o", movie, folder.file("anim.gif"), jpeg }, folder.path() / cwd);
        EXPECT_EQ(run.exitCode, 0) << run.err;
        EXPECT_TRUE(std::filesystem::is_empty(folder.path() / cwd)) << "nothing is left in " << cwd;
    }
    EXPECT_EQ(readFile(folder.file("one.swf")), readFile(folder.file("two.swf")));
}

TEST_F(MakeCommand, ThreadCountChangesNoByteOfTheMovie)
{
    std::string movies[2];
    const char* counts[2] = { "1", "3" };
    for (int i = 0; i < 2; ++i) {
        const CliRun run = runCli(
            { "make", "--threads", counts[i], "-o", "show", "anim.gif", "photo.jpg", "anim.gif" },
            folder.path());
        EXPECT_EQ(run.exitCode, 0) << run.err;
        movies[i] = readFile(folder.file("show.swf"));
    }
    EXPECT_FALSE(movies[0].empty());
    EXPECT_TRUE(movies[0] == movies[1]);
}

TEST_F(MakeCommand, ReportThatCannotBeWrittenIsNotASuccess)
{
    if (!std::filesystem::exists("/dev/full"))
        GTEST_SKIP() << "no /dev/full";
    const std::string command = "cd '" + folder.path().string()
        + "' && '" BRINDLECAST_BIN_DIR "/brindlecast-cli' make anim.gif >/dev/full 2>err.txt";
    const int status = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 1);
    EXPECT_NE(
        readFile(folder.file("err.txt")).find("could not write the report"), std::string::npos);
}
