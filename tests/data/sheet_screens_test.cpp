// The title, the loading screen, the head-up display and the staff roll drawn from the
// sheets through the real device and sprite, at the places and with the blends the game
// uses; saved as screenshots under build/screens for a look, and checked where the art
// has to fit the game.
#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "sheet_device.h"

using namespace sheets;

namespace {

int Brightness(std::uint32_t p) { return (int(p >> 16 & 0xFF) + int(p >> 8 & 0xFF) + int(p & 0xFF)) / 3; }

// A stand-in for the stage behind the display: the dark blue of deep sky.
constexpr D3DCOLOR kDeepSky = 0xFF121E48;

std::filesystem::path ScreenshotDir()
{
    const char* build = std::getenv("VELTRANE_BUILD");
    const std::filesystem::path dir = std::filesystem::path(build ? build : ".") / "screens";
    std::filesystem::create_directories(dir);
    return dir;
}

struct HudState {
    float life = 87;
    int digits[5] = {0, 0, 0, 0, 0};
    int energy = 0;
    float bossLife = 0;
};

class SheetScreens : public SheetDeviceTest {
protected:
    void Begin(D3DCOLOR backdrop = 0xFF000000)
    {
        ClearTo(backdrop);
        device_->BeginScene();
        EXPECT_EQ(sprite_->Begin(), D3D_OK);
    }

    // Ends the frame and takes its picture, saved when named.
    d3d9::Picture Finish(const char* name = nullptr)
    {
        sprite_->End();
        device_->EndScene();
        const d3d9::Picture picture = Shot();
        if (name) {
            EXPECT_TRUE(d3d9::SavePng((ScreenshotDir() / name).string(), picture));
        }
        return picture;
    }

    void Draw(SheetIndex sheet, Rect cell, float x, float y, D3DCOLOR colour = 0xFFFFFFFF, float scale = 1)
    {
        const RECT source{cell.left, cell.top, cell.right, cell.bottom};
        const D3DXVECTOR2 scaling(scale, scale), centre(0, 0), position(x, y);
        EXPECT_EQ(sprite_->Draw(sheets_[sheet], &source, &scaling, &centre, 0, &position, colour), D3D_OK);
    }

    // DESTALPHA makes a draw glow (the back buffer's alpha is 1); INVSRCALPHA is the
    // standing blend.
    void Blend(D3DBLEND destination)
    {
        device_->SetRenderState(D3DRS_SRCBLEND, D3DBLEND_SRCALPHA);
        device_->SetRenderState(D3DRS_DESTBLEND, destination);
    }

    // The title as its frame n shows it, counted from 1: the logo parts slide for 70
    // frames, drawn three times over with added light at 1.3 times their size.
    d3d9::Picture Title(int frame, bool caption, const char* name = nullptr)
    {
        const float steps = float(std::min(frame - 1, 70));
        const ScreenPoint a{std::max(kLogoAEnd.x, kLogoAStart.x + (kLogoAEnd.x - kLogoAStart.x) / 70 * steps),
                            std::min(kLogoAEnd.y, kLogoAStart.y + (kLogoAEnd.y - kLogoAStart.y) / 70 * steps)};
        const ScreenPoint b{std::min(kLogoBEnd.x, kLogoBStart.x + (kLogoBEnd.x - kLogoBStart.x) / 70 * steps),
                            std::max(kLogoBEnd.y, kLogoBStart.y + (kLogoBEnd.y - kLogoBStart.y) / 70 * steps)};
        Begin();
        Draw(kTitle, kTitleBackground, 0, 0);
        if (caption) Draw(kTitle, kTitleCaption, kTitleCaptionAt.x, kTitleCaptionAt.y);
        Blend(D3DBLEND_DESTALPHA);
        for (int pass = 0; pass < 3; ++pass) {
            Draw(kTitle, kLogoA, a.x, a.y, 0xFFFFFFFF, kLogoScale);
            Draw(kTitle, kLogoB, b.x, b.y, 0xFFFFFFFF, kLogoScale);
        }
        Blend(D3DBLEND_INVSRCALPHA);
        return Finish(name);
    }

    d3d9::Picture Loading(int barA, int barB, const char* name)
    {
        Begin();
        Draw(kTitle, kLoadingCaption, kLoadingCaptionAt.x, kLoadingCaptionAt.y);
        Draw(kTitle, kBarFrame, kUpperFrameAt.x, kUpperFrameAt.y);
        Draw(kTitle, kBarFrame, kLowerFrameAt.x, kLowerFrameAt.y);
        Draw(kTitle, {kUpperBarFill.left, kUpperBarFill.top, barA, kUpperBarFill.bottom}, kUpperFillAt.x, kUpperFillAt.y);
        Draw(kTitle, {kLowerBarFill.left, kLowerBarFill.top, barB, kLowerBarFill.bottom}, kLowerFillAt.x, kLowerFillAt.y);
        return Finish(name);
    }

    // The display over the stage, and the boss warning after it as the stage frame draws it.
    d3d9::Picture Hud(const HudState& state, bool warning, const char* name)
    {
        Begin(kDeepSky);
        Blend(D3DBLEND_DESTALPHA);
        Draw(kScoreboard, kScoreboardFrame, 0, 0, 0x7FFFFFFF);
        Draw(kGame, kLifeGaugeFrame, kLifeGaugeAt.x, kLifeGaugeAt.y);
        const int top = int(87 - state.life + 200);
        if (top < kLifeBar.bottom) {
            Draw(kGame, {kLifeBar.left, top, kLifeBar.right, kLifeBar.bottom}, kLifeBarAt.x, 87 - state.life + 30);
        }
        Blend(D3DBLEND_INVSRCALPHA);
        for (std::size_t i = 0; i < kFirstLabel.size(); ++i) Draw(kGlyphs, kFirstLabel[i], kFirstLabelAt.x + kHudStep * i, 0);
        for (std::size_t i = 0; i < kSecondLabel.size(); ++i) Draw(kGlyphs, kSecondLabel[i], kSecondLabelAt.x + kHudStep * i, 0);
        bool lead = false;
        for (int i = 0; i < 5; ++i) {
            lead = lead || state.digits[i] != 0;
            if (lead || i == 4) Draw(kGlyphs, kDigitCells[std::size_t(state.digits[i])], kDigitsAt.x + kHudStep * i, kDigitsAt.y);
        }
        Draw(kGame, kMissileIcon, kMissileIconAt.x, kMissileIconAt.y, state.energy >= 700 ? 0xFFFFFFFF : 0x7FFFFFFF);
        Draw(kGame, kLaserIcon, kLaserIconAt.x, kLaserIconAt.y, state.energy >= 1000 ? 0xFFFFFFFF : 0x7FFFFFFF);
        const int bossWidth = int(state.bossLife / 4);
        if (bossWidth > 0) Draw(kTitle, {0, kBossBar.top, bossWidth, kBossBar.bottom}, kBossBarAt.x, kBossBarAt.y);

        Blend(D3DBLEND_DESTALPHA);
        if (warning) Draw(kGame, kWarningSign, kWarningAt.x, kWarningAt.y);
        Blend(D3DBLEND_INVSRCALPHA);
        return Finish(name);
    }
};

}  // namespace

TEST_F(SheetScreens, TitleLogoGlowsWithoutBurningOut)
{
    const d3d9::Picture settled = Title(120, true, "title.png");
    Title(40, false, "title_sliding.png");

    // The logo is added three times over: its own colours are kept to a third, so the
    // letters glow without washing out to white all over.
    const d3d9::Picture bare = Title(120, false);
    int lit = 0, white = 0;
    for (int y = int(kLogoAEnd.y); y < int(kLogoAEnd.y + kLogoA.Height() * kLogoScale); ++y) {
        for (int x = int(kLogoAEnd.x); x < std::min(640, int(kLogoAEnd.x + kLogoA.Width() * kLogoScale)); ++x) {
            const std::uint32_t p = bare.At(UINT(x), UINT(y));
            if (Brightness(p) > 200) ++lit;
            if ((p & 0xFFFFFF) == 0xFFFFFF) ++white;
        }
    }
    EXPECT_GT(lit, 3000);
    EXPECT_LT(white, lit / 2);

    // The caption shows at its place over the backdrop.
    int changed = 0;
    for (UINT y = 220; y < 265; ++y) {
        for (UINT x = 180; x < 460; ++x) changed += settled.At(x, y) != bare.At(x, y);
    }
    EXPECT_GT(changed, 1500);
}

TEST_F(SheetScreens, LoadingBarsFillTheirTracks)
{
    const d3d9::Picture screen = Loading(245, 196, "loading.png");
    const d3d9::Picture full = Loading(kBarFull, kBarFull, "loading_full.png");

    // Each fill lies on the dark track of its frame: bright up to its width, the track
    // right after it, and the frame's rim above and below.
    for (const auto& [fillY, width] : {std::pair{206u, 245u}, std::pair{216u, 196u}}) {
        for (UINT row = fillY; row < fillY + 4; ++row) {
            EXPECT_GT(Brightness(screen.At(88 + width - 1, row)), 60) << row;
            const std::uint32_t track = screen.At(88 + width + 2, row);
            EXPECT_LT(Brightness(track), 60) << row;
            EXPECT_GT(track & 0xFF, 0u) << "the empty track shows, it is not a hole: row " << row;
        }
        EXPECT_GT(Brightness(screen.At(300, fillY - 2)), 60) << "the rim above the fill";
        EXPECT_GT(Brightness(screen.At(300, fillY + 5)), 60) << "the rim below the fill";
    }
    // A full bar ends 8 pixels short of its frame's end, still on the track.
    EXPECT_GT(Brightness(full.At(88 + kBarFull - 1, 207)), 60);
    EXPECT_LT(Brightness(full.At(88 + kBarFull + 1, 207)), 60);
}

TEST_F(SheetScreens, HeadUpDisplayLeavesThePlayAreaClear)
{
    HudState state;
    state.life = 60;
    state.digits[1] = 1;
    state.digits[2] = 2;
    state.digits[3] = 3;
    state.digits[4] = 4;
    state.energy = 800;
    state.bossLife = 900;
    const d3d9::Picture screen = Hud(state, false, "hud.png");
    for (const Rect& area : kPlayArea) {
        for (int y = area.top; y < area.bottom; ++y) {
            for (int x = area.left; x < area.right; ++x) ASSERT_EQ(screen.At(UINT(x), UINT(y)), kDeepSky) << x << ", " << y;
        }
    }

    // With the warning up, as in the stage's last frames.
    const d3d9::Picture warning = Hud(state, true, "hud_warning.png");
    EXPECT_GT(int(warning.At(320, 240) >> 16 & 0xFF), int(kDeepSky >> 16 & 0xFF) + 60) << "the sign lights the middle";
}

TEST_F(SheetScreens, StaffLinesShowAtTheirPlaces)
{
    for (int line : {0, 2, 5}) {
        const ScreenPoint at = kStaffLineAt[std::size_t(line)];
        Begin();
        Blend(D3DBLEND_DESTALPHA);
        Draw(kEnding, StaffLine(line), at.x, at.y);
        Blend(D3DBLEND_INVSRCALPHA);
        const d3d9::Picture screen = Finish(("staff_" + std::to_string(line) + ".png").c_str());
        int lit = 0;
        for (std::uint32_t p : screen.pixels) lit += Brightness(p) > 100;
        EXPECT_GT(lit, 800) << "line " << line;
    }
}
