#include "conversion/JpegImageBuilder.h"

#include <gtest/gtest.h>

using namespace brindlecast;

TEST(JpegImageBuilder, MissingFileGivesMinus500AndAppendsNothing)
{
    TagList tags;
    EXPECT_EQ(BuildJpegImage(tags, "/nonexistent/photo.jpg", 2), kJpegFileMissing);
    EXPECT_TRUE(tags.Empty());
}
