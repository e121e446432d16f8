#include "conversion/RunReport.h"

#include "RecordingHost.h"
#include "conversion/RunProgress.h"

#include <gtest/gtest.h>

using namespace brindlecast;

TEST(RunReport, LinesCarryTheirStampAndExactTexts)
{
    RecordingHost host;
    RunReport report(host);
    EXPECT_TRUE(report.Empty());
    report.ImageNotLoaded("/p/a.gif");
    report.UnsupportedImageType("/p/b.png");
    report.MovieCreated("/p/m.swf", RunReport::Stamp::Date);
    report.MovieCreated("/p/n.swf", RunReport::Stamp::DateAndTime);
    report.MovieCreatedWithErrors("/p/m.swf");
    report.MovieNotWritten("/ro/m.swf");
    report.TooManyFrames();
    report.Cancelled(kCancelledAllInOne, RunReport::Stamp::Date);
    report.Cancelled(kCancelledEachImage, RunReport::Stamp::Date);
    report.Cancelled(kCancelledLibrary, RunReport::Stamp::DateAndTime);
    EXPECT_EQ(report.Text(),
        "D - ERROR:500 File Not Found./p/a.gif\r\n"
        "D - WARNING: Unsupported image type skipped./p/b.png\r\n"
        "D - /p/m.swf has been created successfully.\r\n"
        "D T - /p/n.swf has been created successfully.\r\n"
        "D - /p/m.swf has been created with errors.\r\n"
        "D - ERROR:400 Could Not Write Movie./ro/m.swf\r\n"
        "D - WARNING: More than 65535 frames; players stop at 65535.\r\n"
        "D - ERROR:300 Automation Cancelled By User.\r\n"
        "D - ERROR:300 Automation Cancelled By User\r\n"
        "D T - ERROR:300 Automation cancelled by user.\r\n");
}

TEST(RunReport, ErrorAndProblemLinesAreToldApart)
{
    EXPECT_TRUE(IsErrorLine("D - ERROR:500 File Not Found./a.gif"));
    EXPECT_FALSE(IsErrorLine("D - WARNING: Unsupported image type skipped./a.png"));
    EXPECT_TRUE(IsProblemLine("D - WARNING: Unsupported image type skipped./a.png"));
    EXPECT_FALSE(IsProblemLine("D - /m.swf has been created with errors."));
}

TEST(RunProgress, PercentTextDropsTheRemainder)
{
    const struct {
        int position, maximum;
        const char* text;
    } cases[] = { { 0, 3, "0 %" }, { 1, 3, "33 %" }, { 2, 3, "66 %" }, { 3, 8, "37 %" },
        { 6, 7, "85 %" }, { 7, 7, "100 %" }, { 0, 0, "0 %" } };
    for (const auto& c : cases)
        EXPECT_EQ(PercentText(c.position, c.maximum), c.text) << c.position << "/" << c.maximum;
}

TEST(RunProgress, HiddenProgressMakesNoCallAtAll)
{
    RecordingHost host;
    host.hide = true;
    RunProgress progress(host, 3, "Automation on progress.");
    progress.BeforeImage(0);
    progress.BarOnly(3);
    progress.Finish();
    EXPECT_TRUE(host.calls.empty());
}
