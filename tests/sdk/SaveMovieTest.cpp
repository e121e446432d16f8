#include "ByteVectors.h"
#include "FileBytes.h"
#include "RunInChild.h"
#include "TempFolder.h"
#include "sdk/FControlTags.h"
#include "sdk/FDTDefineBitsLossless.h"
#include "sdk/FObjCollection.h"

#include <csignal>
#include <filesystem>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

using namespace sdktest;
using brindlecast::testsupport::readFileBytes;
using brindlecast::testsupport::runInChild;
using brindlecast::testsupport::TempFolder;
using brindlecast::testsupport::writeFile;

namespace
{

const Bytes kEarlierMovie
    = hexBytes("46 57 53 06 17 00 00 00 80 00 00 3E 80 00 00 3E 80 00 0C 00 00 00 00");

// A movie of about 200 kB whatever the compression: noise bitmaps and some frames.
void BuildLargeMovie(FObjCollection& movie, U32 seed)
{
    Bytes table(1024);
    Bytes pixels(320 * 160);
    for (int picture = 0; picture < 4; ++picture) {
        for (U8& byte : table)
            byte = static_cast<U8>((seed = seed * 1103515245 + 12345) >> 16);
        for (U8& byte : pixels)
            byte = static_cast<U8>((seed = seed * 1103515245 + 12345) >> 16);
        movie.Add(new FDTDefineBitsLossless2Zell(3, 320, 160, 256, table.data(), pixels.data()));
        movie.Add(new FCTShowFrame());
    }
}

} // namespace

TEST(SaveMovie, MissingFolderIsReportedAndNothingIsWritten)
{
    TempFolder folder;
    const std::string target = folder.file("no-such-folder/movie.swf");
    for (U8 compressed : { 0, 1 }) {
        SCOPED_TRACE(int { compressed });
        ResetCharacterIds();
        NextCharacterId();
        FObjCollection movie;
        movie.Add(new FCTShowFrame());
        const FSaveResult result = movie.SaveMovie(target.c_str(), compressed, 2000, 2000, 12);
        EXPECT_FALSE(result.Ok());
        EXPECT_NE(result.Error().find(target), std::string::npos) << result.Error();
        EXPECT_TRUE(folder.entries().empty());
        EXPECT_EQ(NextCharacterId(), 2) << "a movie never written keeps its id sequence";
    }
}

TEST(SaveMovie, FolderInTheTargetsPlaceIsLeftAlone)
{
    TempFolder folder;
    const std::string target = folder.file("movie.swf");
    std::filesystem::create_directory(target);
    for (U8 compressed : { 0, 1 }) {
        SCOPED_TRACE(int { compressed });
        FObjCollection movie;
        movie.Add(new FCTShowFrame());
        const FSaveResult result = movie.SaveMovie(target.c_str(), compressed, 2000, 2000, 12);
        EXPECT_FALSE(result.Ok());
        EXPECT_NE(result.Error().find(target), std::string::npos) << result.Error();
        EXPECT_TRUE(std::filesystem::is_directory(target));
        EXPECT_EQ(folder.entries(), std::set<std::string> { "movie.swf" }) << "temporary file left";
    }
}

TEST(SaveMovie, FailedWriteKeepsTheEarlierFileByteForByte)
{
    TempFolder folder;
    const std::string target = folder.file("movie.swf");
    for (U8 compressed : { 0, 1 }) {
        SCOPED_TRACE(int { compressed });
        writeFile(target, kEarlierMovie);
        // A file size limit makes the write fail part way, as a full disk would.
        const int status = runInChild([&] {
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit limit { 4096, 4096 };
            setrlimit(RLIMIT_FSIZE, &limit);
            FObjCollection movie;
            BuildLargeMovie(movie, 7);
            const FSaveResult result = movie.SaveMovie(target.c_str(), compressed, 6400, 3200, 12);
            if (result.Ok())
                return 1;
            return result.Error().find(target) == std::string::npos ? 2 : 0;
        });
        EXPECT_EQ(status, 0) << "1: reported as written, 2: error does not name the file";
        EXPECT_TRUE(sameBytes(readFileBytes(target), kEarlierMovie));
        EXPECT_EQ(folder.entries(), std::set<std::string> { "movie.swf" }) << "temporary file left";
    }
}

TEST(SaveMovie, CompressedMovieAfterAFailedOneIsWhole)
{
    // Each thread keeps its deflate stream from movie to movie: a save that stopped part way
    // through compressing must leave nothing in it for the next one.
    TempFolder folder;
    const std::string failed = folder.file("failed.swf");
    const std::string after = folder.file("after.swf");
    const std::string fresh = folder.file("fresh.swf");
    const int status = runInChild([&] {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit { 4096, RLIM_INFINITY };
        setrlimit(RLIMIT_FSIZE, &limit);
        FObjCollection first;
        BuildLargeMovie(first, 7);
        if (first.SaveMovie(failed.c_str(), 1, 6400, 3200, 12).Ok())
            return 1;
        limit.rlim_cur = RLIM_INFINITY;
        setrlimit(RLIMIT_FSIZE, &limit);
        ResetCharacterIds();
        FObjCollection second;
        BuildLargeMovie(second, 7);
        return second.SaveMovie(after.c_str(), 1, 6400, 3200, 12).Ok() ? 0 : 2;
    });
    ASSERT_EQ(status, 0) << "1: the limited save succeeded, 2: the save after it failed";

    std::thread([&] {
        ResetCharacterIds();
        FObjCollection movie;
        BuildLargeMovie(movie, 7);
        EXPECT_TRUE(movie.SaveMovie(fresh.c_str(), 1, 6400, 3200, 12).Ok());
    }).join();
    EXPECT_TRUE(sameBytes(readFileBytes(after), readFileBytes(fresh)));
}

TEST(SaveMovie, ReplacesAnEarlierFileAndLeavesNothingElse)
{
    TempFolder folder;
    const std::string target = folder.file("movie.swf");
    writeFile(target, Bytes(100000, 0xAB));
    FObjCollection movie;
    movie.Add(new FCTShowFrame());
    ASSERT_TRUE(movie.SaveMovie(target.c_str(), 1, 2000, 2000, 12).Ok());
    const Bytes file = readFileBytes(target);
    ASSERT_GT(file.size(), 8u);
    EXPECT_TRUE(
        sameBytes(Bytes(file.begin(), file.begin() + 8), hexBytes("43 57 53 06 19 00 00 00")));
    EXPECT_EQ(folder.entries(), std::set<std::string> { "movie.swf" });
}

TEST(SaveMovie, NewMovieGetsTheUsualPermissions)
{
    TempFolder folder;
    const mode_t previous = umask(027);
    FObjCollection movie;
    const FSaveResult result = movie.SaveMovie(folder.file("m.swf").c_str(), 0, 20, 20, 1);
    umask(previous);
    ASSERT_TRUE(result.Ok()) << result.Error();
    struct stat info {
    };
    ASSERT_EQ(stat(folder.file("m.swf").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
}

TEST(SaveMovie, TwoProcessesSavingInOneFolderDoNotDisturbEachOther)
{
    TempFolder reference;
    Bytes want[2];
    for (U32 which = 0; which < 2; ++which) {
        FObjCollection movie;
        BuildLargeMovie(movie, which + 1);
        const std::string path = reference.file("reference.swf");
        ASSERT_TRUE(movie.SaveMovie(path.c_str(), 1, 6400, 3200, 12).Ok());
        want[which] = readFileBytes(path);
    }

    TempFolder folder;
    const std::string targets[2] = { folder.file("a.swf"), folder.file("b.swf") };
    pid_t children[2];
    for (U32 which = 0; which < 2; ++which) {
        children[which] = fork();
        if (children[which] == 0) {
            for (int round = 0; round < 10; ++round) {
                FObjCollection movie;
                BuildLargeMovie(movie, which + 1);
                if (!movie.SaveMovie(targets[which].c_str(), 1, 6400, 3200, 12).Ok())
                    _exit(1);
            }
            _exit(0);
        }
    }
    for (pid_t child : children) {
        int status = 0;
        waitpid(child, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    for (U32 which = 0; which < 2; ++which)
        EXPECT_TRUE(sameBytes(readFileBytes(targets[which]), want[which])) << targets[which];
    EXPECT_EQ(folder.entries(), (std::set<std::string> { "a.swf", "b.swf" }));
}
