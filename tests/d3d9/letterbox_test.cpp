// Where the 640 by 480 picture lands in windows of other shapes.
#include <gtest/gtest.h>

#include "letterbox.h"

namespace {

TEST(LetterboxTest, KeepsTheShapeCentredWithBarsOnTheSpareSides)
{
    struct Case {
        int windowWidth, windowHeight, x, y, width, height;
    };
    const Case cases[] = {
        {640, 480, 0, 0, 640, 480},      {1024, 768, 0, 0, 1024, 768},
        {1920, 1080, 240, 0, 1440, 1080}, {1366, 768, 171, 0, 1024, 768},
        {640, 451, 19, 0, 601, 451},     // 601.3 wide, rounded down
        {800, 800, 0, 100, 800, 600},    {0, 480, 0, 0, 0, 0},
        {-5, 480, 0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        const d3d9::ScreenRect rect = d3d9::LetterboxRect(c.windowWidth, c.windowHeight, 640, 480);
        EXPECT_EQ(rect.x, c.x) << c.windowWidth << " by " << c.windowHeight;
        EXPECT_EQ(rect.y, c.y) << c.windowWidth << " by " << c.windowHeight;
        EXPECT_EQ(rect.width, c.width) << c.windowWidth << " by " << c.windowHeight;
        EXPECT_EQ(rect.height, c.height) << c.windowWidth << " by " << c.windowHeight;
    }
}

}  // namespace
