// The title, the loading screen, the head-up display and the staff roll composed from
// the sheets at the places the game draws them, saved as screenshots under
// build/screens for a look, and checked where the art has to fit the game.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "painted_sheets.h"

using namespace sheets;

namespace {

float Brightness(Pixel p) { return (p.r + p.g + p.b) / 3; }

bool Same(Pixel a, Pixel b) { return a.r == b.r && a.g == b.g && a.b == b.b; }

// The title as its frame n shows it, counted from 1: the logo parts slide for 70
// frames, drawn three times over with added light at 1.3 times their size.
SoftwareScreen Title(int frame, bool caption)
{
    const SheetTexture& title = SheetAsLoaded(kTitle);
    const float steps = float(std::min(frame - 1, 70));
    const ScreenPoint a{std::max(kLogoAEnd.x, kLogoAStart.x + (kLogoAEnd.x - kLogoAStart.x) / 70 * steps),
                        std::min(kLogoAEnd.y, kLogoAStart.y + (kLogoAEnd.y - kLogoAStart.y) / 70 * steps)};
    const ScreenPoint b{std::min(kLogoBEnd.x, kLogoBStart.x + (kLogoBEnd.x - kLogoBStart.x) / 70 * steps),
                        std::max(kLogoBEnd.y, kLogoBStart.y + (kLogoBEnd.y - kLogoBStart.y) / 70 * steps)};
    SoftwareScreen screen;
    screen.Draw(title, kTitleBackground, 0, 0);
    if (caption) screen.Draw(title, kTitleCaption, kTitleCaptionAt.x, kTitleCaptionAt.y);
    for (int pass = 0; pass < 3; ++pass) {
        screen.Draw(title, kLogoA, a.x, a.y, 0xFFFFFFFF, SpriteBlend::Glow, kLogoScale);
        screen.Draw(title, kLogoB, b.x, b.y, 0xFFFFFFFF, SpriteBlend::Glow, kLogoScale);
    }
    return screen;
}

SoftwareScreen Loading(int barA, int barB)
{
    const SheetTexture& title = SheetAsLoaded(kTitle);
    SoftwareScreen screen;
    screen.Draw(title, kLoadingCaption, kLoadingCaptionAt.x, kLoadingCaptionAt.y);
    screen.Draw(title, kBarFrame, kUpperFrameAt.x, kUpperFrameAt.y);
    screen.Draw(title, kBarFrame, kLowerFrameAt.x, kLowerFrameAt.y);
    const Rect upper{kUpperBarFill.left, kUpperBarFill.top, barA, kUpperBarFill.bottom};
    const Rect lower{kLowerBarFill.left, kLowerBarFill.top, barB, kLowerBarFill.bottom};
    screen.Draw(title, upper, kUpperFillAt.x, kUpperFillAt.y);
    screen.Draw(title, lower, kLowerFillAt.x, kLowerFillAt.y);
    return screen;
}

// A stand-in for the stage behind the display: the dark blue of deep sky.
void StageBackdrop(SoftwareScreen& screen)
{
    screen.Clear({18, 30, 72});
}

struct HudState {
    float life = 87;
    int digits[5] = {0, 0, 0, 0, 0};
    int energy = 0;
    float bossLife = 0;
};

void DrawHud(SoftwareScreen& screen, const HudState& state)
{
    const SheetTexture& game = SheetAsLoaded(kGame);
    const SheetTexture& glyphs = SheetAsLoaded(kGlyphs);
    screen.Draw(SheetAsLoaded(kScoreboard), kScoreboardFrame, 0, 0, 0x7FFFFFFF, SpriteBlend::Glow);
    screen.Draw(game, kLifeGaugeFrame, kLifeGaugeAt.x, kLifeGaugeAt.y, 0xFFFFFFFF, SpriteBlend::Glow);
    const int top = int(87 - state.life + 200);
    if (top < kLifeBar.bottom) {
        screen.Draw(game, {kLifeBar.left, top, kLifeBar.right, kLifeBar.bottom}, kLifeBarAt.x, 87 - state.life + 30,
                    0xFFFFFFFF, SpriteBlend::Glow);
    }
    for (std::size_t i = 0; i < kFirstLabel.size(); ++i) screen.Draw(glyphs, kFirstLabel[i], kHudStep * i, 0);
    for (std::size_t i = 0; i < kSecondLabel.size(); ++i) screen.Draw(glyphs, kSecondLabel[i], kSecondLabelAt.x + kHudStep * i, 0);
    bool lead = false;
    for (int i = 0; i < 5; ++i) {
        lead = lead || state.digits[i] != 0;
        if (lead || i == 4) screen.Draw(glyphs, kDigitCells[std::size_t(state.digits[i])], kDigitsAt.x + kHudStep * i, kDigitsAt.y);
    }
    screen.Draw(game, kMissileIcon, kMissileIconAt.x, kMissileIconAt.y, state.energy >= 700 ? 0xFFFFFFFF : 0x7FFFFFFF);
    screen.Draw(game, kLaserIcon, kLaserIconAt.x, kLaserIconAt.y, state.energy >= 1000 ? 0xFFFFFFFF : 0x7FFFFFFF);
    const int bossWidth = int(state.bossLife / 4);
    if (bossWidth > 0) screen.Draw(SheetAsLoaded(kTitle), {0, kBossBar.top, bossWidth, kBossBar.bottom}, kBossBarAt.x, kBossBarAt.y);
}

}  // namespace

TEST(SheetScreens, TitleLogoGlowsWithoutBurningOut)
{
    const SoftwareScreen settled = Title(120, true);
    settled.SavePng(ScreenshotDir() / "title.png");
    Title(40, false).SavePng(ScreenshotDir() / "title_sliding.png");

    // The logo is added three times over: its own colours are kept to a third, so the
    // letters glow without washing out to white all over.
    const SoftwareScreen bare = Title(120, false);
    int lit = 0, white = 0;
    for (int y = int(kLogoAEnd.y); y < int(kLogoAEnd.y + kLogoA.Height() * kLogoScale); ++y) {
        for (int x = int(kLogoAEnd.x); x < std::min(640, int(kLogoAEnd.x + kLogoA.Width() * kLogoScale)); ++x) {
            const Pixel p = bare.At(x, y);
            if (Brightness(p) > 200) ++lit;
            if (p.r >= 255 && p.g >= 255 && p.b >= 255) ++white;
        }
    }
    EXPECT_GT(lit, 3000);
    EXPECT_LT(white, lit / 2);

    // The caption shows at its place over the backdrop.
    int changed = 0;
    for (int y = 220; y < 265; ++y) {
        for (int x = 180; x < 460; ++x) changed += !Same(settled.At(x, y), bare.At(x, y));
    }
    EXPECT_GT(changed, 1500);
}

TEST(SheetScreens, LoadingBarsFillTheirTracks)
{
    const SoftwareScreen screen = Loading(245, 196);
    screen.SavePng(ScreenshotDir() / "loading.png");
    Loading(kBarFull, kBarFull).SavePng(ScreenshotDir() / "loading_full.png");

    // Each fill lies on the dark track of its frame: bright up to its width, the track
    // right after it, and the frame's rim above and below.
    for (const auto& [fillY, width] : {std::pair{206, 245}, std::pair{216, 196}}) {
        for (int row = fillY; row < fillY + 4; ++row) {
            EXPECT_GT(Brightness(screen.At(88 + width - 1, row)), 60) << row;
            const Pixel track = screen.At(88 + width + 2, row);
            EXPECT_LT(Brightness(track), 60) << row;
            EXPECT_GT(track.b, 0) << "the empty track shows, it is not a hole: row " << row;
        }
        EXPECT_GT(Brightness(screen.At(300, fillY - 2)), 60) << "the rim above the fill";
        EXPECT_GT(Brightness(screen.At(300, fillY + 5)), 60) << "the rim below the fill";
    }
    // A full bar ends 8 pixels short of its frame's end, still on the track.
    const SoftwareScreen full = Loading(kBarFull, kBarFull);
    EXPECT_GT(Brightness(full.At(88 + kBarFull - 1, 207)), 60);
    EXPECT_LT(Brightness(full.At(88 + kBarFull + 1, 207)), 60);
}

TEST(SheetScreens, HeadUpDisplayLeavesThePlayAreaClear)
{
    HudState state;
    state.life = 60;
    state.digits[1] = 1;
    state.digits[2] = 2;
    state.digits[3] = 3;
    state.digits[4] = 4;
    state.energy = 800;
    state.bossLife = 900;
    SoftwareScreen screen;
    StageBackdrop(screen);
    DrawHud(screen, state);
    screen.SavePng(ScreenshotDir() / "hud.png");

    SoftwareScreen backdrop;
    StageBackdrop(backdrop);
    for (const Rect& area : kPlayArea) {
        for (int y = area.top; y < area.bottom; ++y) {
            for (int x = area.left; x < area.right; ++x) {
                ASSERT_TRUE(Same(screen.At(x, y), backdrop.At(x, y))) << x << ", " << y;
            }
        }
    }

    // With the warning up, as in the stage's last frames.
    screen.Draw(SheetAsLoaded(kGame), kWarningSign, kWarningAt.x, kWarningAt.y, 0xFFFFFFFF, SpriteBlend::Glow);
    screen.SavePng(ScreenshotDir() / "hud_warning.png");
    EXPECT_GT(screen.At(320, 240).r, backdrop.At(320, 240).r + 60) << "the sign lights the middle of the screen";
}

TEST(SheetScreens, StaffLinesShowAtTheirPlaces)
{
    for (int line : {0, 2, 5}) {
        SoftwareScreen screen;
        const ScreenPoint at = kStaffLineAt[std::size_t(line)];
        screen.Draw(SheetAsLoaded(kEnding), StaffLine(line), at.x, at.y, 0xFFFFFFFF, SpriteBlend::Glow);
        screen.SavePng(ScreenshotDir() / ("staff_" + std::to_string(line) + ".png"));
        int lit = 0;
        for (int y = 0; y < SoftwareScreen::kHeight; ++y) {
            for (int x = 0; x < SoftwareScreen::kWidth; ++x) lit += Brightness(screen.At(x, y)) > 100;
        }
        EXPECT_GT(lit, 800) << "line " << line;
    }
}
