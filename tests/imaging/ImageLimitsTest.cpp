#include "imaging/ImageLimits.h"

#include <gtest/gtest.h>

namespace brindlecast::imaging
{
namespace
{

    struct SizeCase {
        const char* name;
        std::int64_t width;
        std::int64_t height;
        bool refused;
    };

    const SizeCase kSizes[] = {
        { "largest square side by side", 8192, 8192, false },
        { "widest strip", 16384, 1, false },
        { "one pixel too wide", 16385, 1, true },
        { "one pixel too tall", 1, 16385, true },
        { "largest picture", 16384, 4096, false },
        { "one row past the pixel limit", 16384, 4097, true },
        { "empty", 0, 0, false },
    };

    TEST(ImageLimits, RefusesOnlyPicturesPastTheLimits)
    {
        for (const SizeCase& size : kSizes) {
            SCOPED_TRACE(size.name);
            EXPECT_EQ(imageSizeProblem(size.width, size.height).has_value(), size.refused);
        }
    }

    TEST(ImageLimits, ProblemNamesTheSize)
    {
        EXPECT_EQ(
            imageSizeProblem(16385, 2).value(), "16385 x 2 pixels is wider than 16384 pixels");
    }

} // namespace
} // namespace brindlecast::imaging
