#include "project/TBrindlecast.h"

#include "ProjectExpectations.h"

#include <gtest/gtest.h>

TEST(TBrindlecast, StartsWithTheDefaultsOfANewProject)
{
    const TBrindlecast record;
    EXPECT_EQ(record.Name, "untitled.imx");
    EXPECT_EQ(record.ActionType, 0);
    EXPECT_EQ(record.FrameRate, 12);
    EXPECT_EQ(record.ImageDelay, 1);
    EXPECT_TRUE(record.Untouched);
    EXPECT_EQ(record.Link, "http://www.example.com/brindlecast/");
    EXPECT_EQ(record.Target, "_blank");
    EXPECT_EQ(record.Output, "untitled.swf");
    EXPECT_TRUE(record.Images.empty());
    EXPECT_EQ(record.BackgroundColor, 16777215);
}

TEST(TBrindlecast, AssignFromCopiesEverythingButUntouchedAndReplacesTheImages)
{
    const TBrindlecast source = DistinctRecord();
    TBrindlecast target;
    target.Images = { "/old/a.gif", "/old/b.gif", "/old/c.gif" };

    target.AssignFrom(source);

    ExpectSameStoredFields(target, source);
    EXPECT_TRUE(target.Untouched);
}
