#include "project/ProjectComparison.h"

#include <functional>
#include <gtest/gtest.h>

TEST(ProjectComparison, AnyStoredFieldButNameCountsAsAChange)
{
    struct Case {
        const char* name;
        std::function<void(TBrindlecast&)> edit;
        bool modified;
    };
    const Case cases[] = {
        { "nothing", [](TBrindlecast&) {}, false },
        { "name only", [](TBrindlecast& r) { r.Name = "/home/ann/renamed.imx"; }, false },
        { "action type", [](TBrindlecast& r) { r.ActionType = -1; }, true },
        { "frame rate", [](TBrindlecast& r) { r.FrameRate = 13; }, true },
        { "image delay", [](TBrindlecast& r) { r.ImageDelay = 2; }, true },
        { "link in other case",
            [](TBrindlecast& r) { r.Link = "HTTP://www.example.com/brindlecast/"; }, true },
        { "output", [](TBrindlecast& r) { r.Output = "/a.swf"; }, true },
        { "target", [](TBrindlecast& r) { r.Target = "_self"; }, true },
        { "background colour", [](TBrindlecast& r) { r.BackgroundColor = 0; }, true },
        { "image added", [](TBrindlecast& r) { r.Images.push_back("/c.gif"); }, true },
        { "image removed", [](TBrindlecast& r) { r.Images.pop_back(); }, true },
        { "images swapped", [](TBrindlecast& r) { std::swap(r.Images[0], r.Images[1]); }, true },
        { "image in other case", [](TBrindlecast& r) { r.Images[1] = "/B.JPG"; }, true },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TBrindlecast saved;
        saved.Images = { "/a.gif", "/b.jpg" };
        TBrindlecast current;
        current.AssignFrom(saved);
        c.edit(current);

        EXPECT_EQ(ProjectsDiffer(current, saved), c.modified);
        EXPECT_TRUE(current.Untouched) << "the pure comparison changes nothing";
        EXPECT_EQ(IsProjectModified(current, saved), c.modified);
        EXPECT_EQ(current.Untouched, !c.modified);
    }
}

TEST(ProjectComparison, UntouchedStaysClearedOnceAChangeWasSeen)
{
    TBrindlecast saved;
    TBrindlecast current;
    current.FrameRate = 13;
    EXPECT_TRUE(IsProjectModified(current, saved));
    current.FrameRate = 12;
    EXPECT_FALSE(IsProjectModified(current, saved));
    EXPECT_FALSE(current.Untouched);
}
