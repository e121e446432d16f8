#include "FileBytes.h"
#include "ProjectExpectations.h"
#include "RunInChild.h"
#include "TempFolder.h"
#include "project/ProjectFileWriter.h"

#include <csignal>
#include <filesystem>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>

using brindlecast::testsupport::readFile;
using brindlecast::testsupport::runInChild;
using brindlecast::testsupport::TempFolder;
using brindlecast::testsupport::writeFile;

namespace fs = std::filesystem;

namespace
{

TBrindlecast EditedProject()
{
    TBrindlecast record = DistinctRecord();
    record.Images.assign(50, "/home/ann/pictures/a picture with a long name.gif");
    return record;
}

} // namespace

TEST(ProjectSave, WritesTheFileAndTakesTheSnapshot)
{
    TempFolder folder;
    const std::string path = folder.file("p.imx");
    const TBrindlecast current = EditedProject();
    TBrindlecast saved;

    ASSERT_TRUE(SaveProjectFile(path, current, saved).ok());

    EXPECT_EQ(readFile(path), ProjectFileText(current));
    ExpectSameStoredFields(saved, current);
    EXPECT_EQ(folder.entries(), std::set<std::string> { "p.imx" });
}

TEST(ProjectSave, ReplacingAFileKeepsItsPermissionsAndLinks)
{
    TempFolder folder;
    const std::string real = folder.file("real.imx");
    const std::string link = folder.file("link.imx");
    writeFile(real, "earlier");
    ASSERT_EQ(chmod(real.c_str(), 0640), 0);
    fs::create_symlink("real.imx", link);
    TBrindlecast saved;

    ASSERT_TRUE(SaveProjectFile(link, EditedProject(), saved).ok());

    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(readFile(real), ProjectFileText(EditedProject()));
    struct stat status {
    };
    ASSERT_EQ(stat(real.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0640u);
    EXPECT_EQ(folder.entries(), (std::set<std::string> { "link.imx", "real.imx" }));
}

TEST(ProjectSave, UnwritableTargetsReportTheErrorAndKeepTheSnapshot)
{
    TempFolder folder;
    fs::create_directory(folder.path() / "a folder.imx");
    writeFile(folder.file("plain file"), "not a folder");
    const struct {
        const char* name;
        std::string path;
    } cases[] = {
        { "target is a folder", folder.file("a folder.imx") },
        { "folder does not exist", folder.file("missing/p.imx") },
        { "folder part is a file", folder.file("plain file/p.imx") },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TBrindlecast saved;

        const FileWriteResult result = SaveProjectFile(c.path, EditedProject(), saved);

        EXPECT_FALSE(result.ok());
        EXPECT_NE(result.error.find(c.path + ": "), std::string::npos) << result.error;
        ExpectSameRecord(saved, TBrindlecast());
        EXPECT_EQ(folder.entries(), (std::set<std::string> { "a folder.imx", "plain file" }));
        EXPECT_TRUE(fs::is_empty(folder.path() / "a folder.imx"));
    }
}

// The disk refusing the write halfway, shown with a file size limit: the earlier file must stay
// as it was, byte for byte, and no temporary file may be left behind.
TEST(ProjectSave, WriteRefusedByTheDiskKeepsTheEarlierFile)
{
    TempFolder folder;
    const std::string path = folder.file("p.imx");
    TBrindlecast saved;
    ASSERT_TRUE(SaveProjectFile(path, TBrindlecast(), saved).ok());
    const std::string earlier = readFile(path);

    const int status = runInChild([&] {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit { 100, 100 };
        setrlimit(RLIMIT_FSIZE, &limit);
        TBrindlecast snapshot;
        const FileWriteResult result = SaveProjectFile(path, EditedProject(), snapshot);
        const bool reported = !result.ok() && result.error.find(path) != std::string::npos;
        const bool snapshotKept = snapshot.Images.empty();
        return reported && snapshotKept ? 0 : 1;
    });
    EXPECT_EQ(status, 0) << "the save did not report the refused write";

    EXPECT_EQ(readFile(path), earlier);
    EXPECT_EQ(folder.entries(), std::set<std::string> { "p.imx" });
}
