#include "project/ProjectFileWriter.h"

#include <gtest/gtest.h>

TEST(ProjectFileWriter, DefaultProjectWritesTheFifteenLineLayout)
{
    EXPECT_EQ(ProjectFileText(TBrindlecast()),
        "<brindlecastproject>\r\n"
        "<prgid>VAQ1000</prgid>\r\n"
        "<filever>1.0</filever>\r\n"
        "<name>untitled.imx</name>\r\n"
        "<output>untitled.swf</output>\r\n"
        "<type>0</type>\r\n"
        "<framerate>12</framerate>\r\n"
        "<delay>1</delay>\r\n"
        "<link>http://www.example.com/brindlecast/</link>\r\n"
        "<target>_blank</target>\r\n"
        "<backgroundcolor>16777215</backgroundcolor>\r\n"
        "<imagelist>\r\n"
        "</imagelist>\r\n"
        "</brindlecastproject>\r\n");
}

TEST(ProjectFileWriter, WritesTextsUnescapedAndNumbersSigned)
{
    TBrindlecast record;
    record.Name = " /home/ann/a&b.imx";
    record.Output = "/out/<x>.swf";
    record.ActionType = -1;
    record.FrameRate = 2147483647;
    record.ImageDelay = 0;
    record.Link = "";
    record.Target = "_top ";
    record.BackgroundColor = -2147483647 - 1;
    record.Images = { "/p/a b.gif", "/p/a b.gif", "" };

    EXPECT_EQ(ProjectFileText(record),
        "<brindlecastproject>\r\n"
        "<prgid>VAQ1000</prgid>\r\n"
        "<filever>1.0</filever>\r\n"
        "<name> /home/ann/a&b.imx</name>\r\n"
        "<output>/out/<x>.swf</output>\r\n"
        "<type>-1</type>\r\n"
        "<framerate>2147483647</framerate>\r\n"
        "<delay>0</delay>\r\n"
        "<link></link>\r\n"
        "<target>_top </target>\r\n"
        "<backgroundcolor>-2147483648</backgroundcolor>\r\n"
        "<imagelist>\r\n"
        "<image>/p/a b.gif</image>\r\n"
        "<image>/p/a b.gif</image>\r\n"
        "<image></image>\r\n"
        "</imagelist>\r\n"
        "</brindlecastproject>\r\n");
}
