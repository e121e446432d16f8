#include "project/ProjectFileReader.h"

#include "FileBytes.h"
#include "ProjectExpectations.h"
#include "TempFolder.h"

#include <functional>
#include <gtest/gtest.h>
#include <string>

using brindlecast::testsupport::TempFolder;
using brindlecast::testsupport::writeFile;

namespace
{

using Status = ProjectLoadOutcome::Status;

std::string Header(const std::string& version = "<filever>1.0</filever>\r\n")
{
    return "<brindlecastproject>\r\n<prgid>VAQ1000</prgid>\r\n" + version;
}

std::string Project(const std::string& body)
{
    return Header() + body + "</brindlecastproject>\r\n";
}

// What a file without any option element loads: "0" texts and 0 numbers.
TBrindlecast AllElementsMissing()
{
    TBrindlecast record;
    record.Name = "0";
    record.Output = "0";
    record.ActionType = 0;
    record.FrameRate = 0;
    record.ImageDelay = 0;
    record.Link = "0";
    record.Target = "0";
    record.BackgroundColor = 0;
    return record;
}

const std::string kVersionMessageStart
    = "The Version of the file you are trying to load does not match current version.\r\n"
      "Unexpected results may occur.\r\n"
      "Current File Format Version:1.0\r\n"
      "Loaded File Format Version:";

struct AcceptedCase {
    const char* name;
    std::string text;
    std::function<void(TBrindlecast&)> expect; // changes AllElementsMissing() into the result
    std::string versionRead = "1.0";
};

const AcceptedCase kAccepted[] = {
    { "default project as written",
        Project("<name>untitled.imx</name>\r\n<output>untitled.swf</output>\r\n<type>0</type>\r\n"
                "<framerate>12</framerate>\r\n<delay>1</delay>\r\n"
                "<link>http://www.example.com/brindlecast/</link>\r\n<target>_blank</target>\r\n"
                "<backgroundcolor>16777215</backgroundcolor>\r\n<imagelist>\r\n</imagelist>\r\n"),
        [](TBrindlecast& r) { r = TBrindlecast(); } },
    { "no option elements", Project(""), [](TBrindlecast&) {} },
    { "empty numbers take their defaults",
        Project("<type></type><framerate></framerate><delay></delay>"
                "<backgroundcolor></backgroundcolor>"),
        [](TBrindlecast& r) {
            r.FrameRate = 12;
            r.ImageDelay = 12;
            r.BackgroundColor = 16777215;
        } },
    { "malformed numbers take their defaults",
        Project("<type>two</type><framerate>1.5</framerate><delay>abc</delay>"
                "<backgroundcolor>#FFFFFF</backgroundcolor>"),
        [](TBrindlecast& r) {
            r.FrameRate = 12;
            r.ImageDelay = 12;
            r.BackgroundColor = 16777215;
        } },
    { "signed numbers", Project("<type>-1</type><framerate>+30</framerate><delay>-2</delay>"),
        [](TBrindlecast& r) {
            r.ActionType = -1;
            r.FrameRate = 30;
            r.ImageDelay = -2;
        } },
    { "numbers beyond 32 bits take their defaults",
        Project("<framerate>2147483648</framerate><backgroundcolor>-2147483649</backgroundcolor>"),
        [](TBrindlecast& r) {
            r.FrameRate = 12;
            r.BackgroundColor = 16777215;
        } },
    { "capital tags count as missing",
        Project("<LINK>http://x/</LINK><FrameRate>5</FrameRate><Target>_top</Target>"),
        [](TBrindlecast&) {} },
    { "texts kept with their blanks",
        Project("<name> /home/ann/my project.imx </name><target>\t_top </target>"),
        [](TBrindlecast& r) {
            r.Name = " /home/ann/my project.imx ";
            r.Target = "\t_top ";
        } },
    { "ampersands and angle brackets read unchanged",
        Project("<link>http://x/?a=1&b=<2></link><imagelist><image>/p/a&b<c>.gif</image>"
                "</imagelist>"),
        [](TBrindlecast& r) {
            r.Link = "http://x/?a=1&b=<2>";
            r.Images = { "/p/a&b<c>.gif" };
        } },
    { "image paths keep their blanks",
        Project("<imagelist>\r\n<image> /p/a b.gif </image>\r\n</imagelist>\r\n"),
        [](TBrindlecast& r) { r.Images = { " /p/a b.gif " }; } },
    { "image list without image elements", Project("<imagelist>\r\n</imagelist>\r\n"),
        [](TBrindlecast&) {} },
    { "leftover text in the image list gives 0 entries",
        Project("<imagelist>\r\n<image>/p/a.gif</image>\r\nleftover\r\n</imagelist>\r\n"),
        [](TBrindlecast& r) {
            r.Images = { "/p/a.gif", "0", "0" };
        } },
    { "first element of a name wins", Project("<name>/a.imx</name><name>/b.imx</name>"),
        [](TBrindlecast& r) { r.Name = "/a.imx"; } },
    { "closing tag before opening gives empty text", Project("</target>x<target>"),
        [](TBrindlecast& r) { r.Target = ""; } },
    { "elements after the root are ignored",
        Header() + "</brindlecastproject>\r\n<name>/outside.imx</name>\r\n<delay>3</delay>",
        [](TBrindlecast&) {} },
    { "header elements count anywhere in the file",
        "<brindlecastproject><delay>3</delay></brindlecastproject>"
        "<filever>1.0</filever><prgid>VAQ1000</prgid>",
        [](TBrindlecast& r) { r.ImageDelay = 3; } },
    { "other version loads after the message",
        Header("<filever>2.0</filever>") + "<delay>4</delay></brindlecastproject>",
        [](TBrindlecast& r) { r.ImageDelay = 4; }, "2.0" },
    { "missing version loads after the message",
        Header("") + "<delay>4</delay></brindlecastproject>",
        [](TBrindlecast& r) { r.ImageDelay = 4; }, "" },
    { "version with only its opening tag counts as missing",
        Header("<filever>1.0") + "</brindlecastproject>", [](TBrindlecast&) {}, "" },
};

} // namespace

TEST(ProjectFileReader, AcceptedFilesFillBothRecords)
{
    TempFolder folder;
    const std::string path = folder.file("case.imx");
    for (const AcceptedCase& c : kAccepted) {
        SCOPED_TRACE(c.name);
        writeFile(path, c.text);
        TBrindlecast current;
        TBrindlecast saved = DistinctRecord();
        TBrindlecast want = AllElementsMissing();
        c.expect(want);

        const ProjectLoadOutcome outcome = LoadProjectFile(path, current, saved);

        EXPECT_TRUE(outcome.accepted());
        if (c.versionRead == "1.0") {
            EXPECT_EQ(outcome.status, Status::Accepted);
            EXPECT_EQ(outcome.message, "");
        } else {
            EXPECT_EQ(outcome.status, Status::AcceptedAfterVersionMessage);
            EXPECT_EQ(outcome.message, kVersionMessageStart + c.versionRead);
        }
        ExpectSameStoredFields(current, want);
        ExpectSameStoredFields(saved, want);
        EXPECT_FALSE(current.Untouched);
    }
}

TEST(ProjectFileReader, RefusedFilesChangeNeitherRecord)
{
    struct Case {
        const char* name;
        std::string text;
    };
    const Case cases[] = {
        { "empty file", "" },
        { "missing program id",
            "<brindlecastproject>\r\n<filever>1.0</filever>\r\n<name>/a.imx</name>\r\n"
            "</brindlecastproject>\r\n" },
        { "wrong program id",
            "<brindlecastproject>\r\n<prgid>VAQ1001</prgid>\r\n</brindlecastproject>\r\n" },
        { "program id with blanks",
            "<brindlecastproject>\r\n<prgid> VAQ1000</prgid>\r\n</brindlecastproject>\r\n" },
        { "program id without closing tag",
            "<brindlecastproject>\r\n<prgid>VAQ1000\r\n</brindlecastproject>\r\n" },
        { "no root element", "<prgid>VAQ1000</prgid>\r\n<name>/a.imx</name>\r\n" },
        { "empty root", "<brindlecastproject></brindlecastproject><prgid>VAQ1000</prgid>" },
        { "root never closed", Header() + "<name>/a.imx</name>\r\n" },
        { "capital root",
            "<BRINDLECASTPROJECT>\r\n<prgid>VAQ1000</prgid>\r\n</BRINDLECASTPROJECT>\r\n" },
    };
    TempFolder folder;
    const std::string path = folder.file("refused.imx");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        writeFile(path, c.text);
        TBrindlecast current = DistinctRecord();
        current.Untouched = true;
        TBrindlecast saved;

        const ProjectLoadOutcome outcome = LoadProjectFile(path, current, saved);

        EXPECT_FALSE(outcome.accepted());
        EXPECT_EQ(outcome.status, Status::Refused);
        EXPECT_EQ(outcome.message, "Invalid File Format :\r\n" + path);
        TBrindlecast wantCurrent = DistinctRecord();
        wantCurrent.Untouched = true;
        ExpectSameRecord(current, wantCurrent);
        ExpectSameRecord(saved, TBrindlecast());
    }
}

TEST(ProjectFileReader, UnreadableFilesNameThePathAndChangeNeitherRecord)
{
    TempFolder folder;
    const std::string tooLarge = folder.file("large.imx");
    writeFile(tooLarge, Project(std::string(kProjectFileSizeLimit, ' ')));
    const struct {
        const char* name;
        std::string path;
    } cases[] = {
        { "missing file", folder.file("missing.imx") },
        { "folder", folder.path().string() },
        { "larger than any project", tooLarge },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TBrindlecast current = DistinctRecord();
        TBrindlecast saved = DistinctRecord();

        const ProjectLoadOutcome outcome = LoadProjectFile(c.path, current, saved);

        EXPECT_EQ(outcome.status, Status::Unreadable);
        EXPECT_NE(outcome.message.find("\"" + c.path + "\""), std::string::npos) << outcome.message;
        ExpectSameRecord(current, DistinctRecord());
        ExpectSameRecord(saved, DistinctRecord());
    }
}
