// The title and the loading screen drawn by the game's own procedures through the real
// OpenGL device and sprite with the real sheets: saved under build/screens for a look, and
// probed where the game puts the logo, the caption and the bars.
#include "data/sheet_device.h"
#include "game/loading_screen.h"
#include "support/fresh_game.h"
#include "support/screens.h"

namespace {

int Brightness(std::uint32_t p) { return (int(p >> 16 & 0xFF) + int(p >> 8 & 0xFF) + int(p & 0xFF)) / 3; }

class GameScreens : public SheetDeviceTest {
protected:
    void SetUp() override
    {
        SheetDeviceTest::SetUp();
        if (IsSkipped() || HasFatalFailure()) return;
        g_sprite = sprite_;
        g_texTitle = sheets_[kTitle];
        ResetTitleState();
    }

    void TearDown() override
    {
        g_sprite = nullptr;
        g_texTitle = nullptr;
        SheetDeviceTest::TearDown();
    }

    // Title frames up to `frame` (counted from 1), as the title frame clears and draws them.
    d3d9::Picture TitleUpTo(int frame, const char* name = nullptr)
    {
        for (; titleFrames_ < frame; ++titleFrames_) {
            ClearTo(0xFF000000);
            DrawTitle();
        }
        const d3d9::Picture picture = Shot();
        if (name) {
            EXPECT_TRUE(d3d9::SavePng(ScreenshotPath(name), picture));
        }
        return picture;
    }

    int titleFrames_ = 0;
};

}  // namespace

TEST_F(GameScreens, TitleSlidesInThenBlinksItsCaption)
{
    // Frame 40: part A is 39 steps in from the right, part B 39 steps up from below.
    const d3d9::Picture sliding = TitleUpTo(40, "game_title_sliding.png");
    const d3d9::Picture settled = TitleUpTo(100);
    const d3d9::Picture captioned = TitleUpTo(101, "game_title_settled.png");

    // The caption is all that changes when it first shows, and it shows at its place.
    EXPECT_GT(Changed(settled, captioned, 180, 220, 460, 265), 1500);
    EXPECT_EQ(Changed(settled, captioned, 0, 0, 640, 480), Changed(settled, captioned, 180, 220, 460, 265));

    // In frame 40 part A is still up and to the right (its top-left near (452, -14)) and
    // part B still mostly below the screen; both settle at 1.3 times their size, A from
    // (223, 55) and B from (60, 362), where frame 40 shows only the backdrop.
    EXPECT_GT(Changed(sliding, settled, 460, 0, 640, 50), 1500);
    EXPECT_GT(Changed(sliding, settled, 223, 60, 450, 150), 3000);
    EXPECT_GT(Changed(sliding, settled, 60, 362, 340, 440), 3000);
}

TEST_F(GameScreens, LoadingScreenHalfFull)
{
    DrawLoadingScreen(196, 196);
    const d3d9::Picture screen = Shot();
    EXPECT_TRUE(d3d9::SavePng(ScreenshotPath("game_loading_half.png"), screen));
    // Both fills end 196 pixels from their start at x 88, over the track that goes on.
    for (const UINT row : {207u, 217u}) {
        EXPECT_GT(Brightness(screen.At(88 + 195, row)), 60) << row;
        EXPECT_LT(Brightness(screen.At(88 + 197, row)), 60) << row;
    }
    // The caption sits at (330, 430).
    int lit = 0;
    for (UINT y = 430; y < 480; ++y) {
        for (UINT x = 330; x < 640; ++x) lit += Brightness(screen.At(x, y)) > 60;
    }
    EXPECT_GT(lit, 1000);
}
