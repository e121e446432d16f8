#include "conversion/ConversionValidation.h"

#include "project/TBrindlecast.h"

#include <gtest/gtest.h>

using namespace brindlecast;

TEST(ConversionValidation, MessagesAndFocusFollowTheModeAndTheFirstMissingValue)
{
    const struct {
        const char* name;
        int actionType;
        int images;
        const char* output;
        int frameRate, delay;
        const char* message;
        FocusControl focus;
    } cases[] = {
        { "no images", 0, 0, "m", 12, 1, "Please add Images.", FocusControl::None },
        { "no images, library", 2, 0, "m", 12, 1, "Please add Images.", FocusControl::None },
        { "empty output", 0, 1, "", 0, 0, "Please specify an Output name",
            FocusControl::OutputPath },
        { "no frame rate", 0, 1, "m", 0, 0, "Please specify a Frame Rate",
            FocusControl::FrameRate },
        { "no delay", 0, 1, "m", 12, 0, "Please specify an Image Delay", FocusControl::ImageDelay },
        { "ready", 0, 1, "m", 12, 1, "", FocusControl::None },
        { "each image ignores the options", 1, 1, "", 0, 0, "", FocusControl::None },
        { "library ignores the options", 2, 1, "", 0, 0, "", FocusControl::None },
        { "unknown mode", -1, 1, "", 0, 0, "", FocusControl::None },
    };
    for (const auto& c : cases) {
        TBrindlecast project;
        project.ActionType = c.actionType;
        project.Images.assign(static_cast<std::size_t>(c.images), "/a.gif");
        project.Output = c.output;
        project.FrameRate = c.frameRate;
        project.ImageDelay = c.delay;
        const auto problem = ValidateConversion(project);
        EXPECT_EQ(problem.message, c.message) << c.name;
        EXPECT_EQ(problem.focus, c.focus) << c.name;
        EXPECT_EQ(problem.Passed(), std::string(c.message).empty()) << c.name;
    }
}
