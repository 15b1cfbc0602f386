// Where the 640 by 480 picture lands in windows of other shapes.
#include <gtest/gtest.h>

#include "letterbox.h"

namespace {

using d3d9::LetterboxRect;

void ExpectRect(const d3d9::ScreenRect& rect, int x, int y, int width, int height)
{
    EXPECT_EQ(rect.x, x);
    EXPECT_EQ(rect.y, y);
    EXPECT_EQ(rect.width, width);
    EXPECT_EQ(rect.height, height);
}

TEST(LetterboxTest, FillsAWindowOfItsOwnShape)
{
    ExpectRect(LetterboxRect(640, 480, 640, 480), 0, 0, 640, 480);
    ExpectRect(LetterboxRect(1024, 768, 640, 480), 0, 0, 1024, 768);
}

TEST(LetterboxTest, WideScreensGetBarsLeftAndRight)
{
    ExpectRect(LetterboxRect(1920, 1080, 640, 480), 240, 0, 1440, 1080);
    ExpectRect(LetterboxRect(1366, 768, 640, 480), 171, 0, 1024, 768);
    // A window that lost a title bar's height to its frame: 640 by 451; 601.3 wide, rounded down.
    ExpectRect(LetterboxRect(640, 451, 640, 480), 19, 0, 601, 451);
}

TEST(LetterboxTest, TallWindowsGetBarsAboveAndBelow)
{
    ExpectRect(LetterboxRect(800, 800, 640, 480), 0, 100, 800, 600);
    ExpectRect(LetterboxRect(640, 481, 640, 480), 0, 0, 640, 480);
}

TEST(LetterboxTest, NothingForEmptySizes)
{
    ExpectRect(LetterboxRect(0, 480, 640, 480), 0, 0, 0, 0);
    ExpectRect(LetterboxRect(640, 480, 0, 480), 0, 0, 0, 0);
    ExpectRect(LetterboxRect(-5, 480, 640, 480), 0, 0, 0, 0);
}

}  // namespace
