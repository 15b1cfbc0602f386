// The head-up display and the ending drawn by the game's own procedures through the OpenGL
// device, from the real sheets and the real craft model; saved under build/screens for a
// look, and probed where the worked states have to show.
#include "audio/music.h"
#include "core/game_world.h"
#include "core/release.h"
#include "data/sheet_device.h"
#include "fake/fake.h"
#include "game/ending.h"
#include "game/energy.h"
#include "game/glyph_tables.h"
#include "game/hud.h"
#include "game/staff_roll.h"
#include "graphics/models.h"
#include "graphics/release_model.h"
#include "support/screens.h"

namespace {

constexpr D3DCOLOR kPlainBackground = 0xFF121E48;

int Brightness(uint32_t p) { return (int(p >> 16 & 0xFF) + int(p >> 8 & 0xFF) + int(p & 0xFF)) / 3; }

// Pixels of the area that differ between two pictures.
int Differing(const d3d9::Picture& a, const d3d9::Picture& b, RECT area)
{
    int count = 0;
    for (LONG y = area.top; y < area.bottom; ++y)
        for (LONG x = area.left; x < area.right; ++x) count += !render_test::Near(a.At(UINT(x), UINT(y)), b.At(UINT(x), UINT(y)), 8);
    return count;
}

class OverlayScreens : public SheetDeviceTest {
protected:
    void SetUp() override
    {
        SheetDeviceTest::SetUp();
        if (IsSkipped() || HasFatalFailure()) return;
        GiveTheGameTheSheets();
        glyphs::FillTables();
        // The craft as the stage loading loads it.
        const D3DXVECTOR3 pos(0.0f, -10.8f, 0.0f), rot(-90.0f, 0.0f, 0.0f), scale(0.5f, 0.5f, 0.5f);
        const float colour[4] = {1.0f, 1.0f, 1.0f, 1.0f};
        ASSERT_EQ(LoadModel(&g_world.player, "./DATA/XFILE/jiki.x", &pos, &rot, &scale, colour), 0);
        // The stand-ins from here on take the ending's pause and its tune; what is drawn
        // goes on through the device, sprite and sheets already made.
        fake::Install();
    }

    void TearDown() override
    {
        fake::Uninstall();
        Release(g_musicSegment);
        Release(g_musicPerformance);
        Release(g_musicLoader);
        ReleaseModel(g_world.player);
        g_world.boss = GameObject();
        g_sprite = nullptr;
        g_texScoreboard = g_texTitle = g_texGame = g_texGlyphs = g_texEnding = nullptr;
        g_energy = 0;
        std::fill(std::begin(g_energyDigits), std::end(g_energyDigits), int8_t(0));
        SheetDeviceTest::TearDown();
    }

    d3d9::Picture Hud(float life, std::array<int8_t, 5> digits, int32_t energy, float bossLife, const char* name)
    {
        g_world.player.life = life;
        g_world.boss.life = bossLife;
        g_energy = energy;
        std::copy(digits.begin(), digits.end(), g_energyDigits);
        ClearTo(kPlainBackground);
        device_->BeginScene();
        EXPECT_EQ(g_sprite->Begin(), D3D_OK);
        DrawHud();
        g_sprite->End();
        device_->EndScene();
        const d3d9::Picture picture = Shot();
        EXPECT_TRUE(d3d9::SavePng(ScreenshotPath(name), picture));
        return picture;
    }
};

TEST_F(OverlayScreens, HudShowsTheShownEnergyAndTheLifeLeft)
{
    const d3d9::Picture zero = Hud(87.0f, {0, 0, 0, 0, 0}, 0, 0.0f, "game_hud_zero.png");
    const d3d9::Picture play = Hud(43.5f, {0, 1, 2, 3, 4}, 800, 900.0f, "game_hud.png");

    // "1234" fills the four places right of the blank ten-thousands; "0" only the last.
    EXPECT_EQ(Differing(zero, play, {540, 20, 555, 40}), 0) << "a leading zero stays blank";
    for (LONG x : {555, 570, 585})
        EXPECT_GT(Differing(zero, play, {x, 20, x + 15, 40}), 20) << "a digit at x " << x;
    // Half the life gone: the bar's upper half is cut away, its foot stays.
    EXPECT_GT(Differing(zero, play, {3, 30, 47, 73}), 500) << "the cut part";
    EXPECT_EQ(Differing(zero, play, {3, 74, 47, 117}), 0) << "the part left";
    // 800 lights the missile icon, not yet the laser's; the boss bar runs 225 pixels.
    EXPECT_GT(Differing(zero, play, {600, 50, 632, 82}), 50);
    EXPECT_EQ(Differing(zero, play, {600, 90, 632, 122}), 0);
    EXPECT_GT(Differing(zero, play, {170, 10, 395, 18}), 225 * 8 / 2);
    EXPECT_EQ(Differing(zero, play, {396, 10, 480, 18}), 0);
}

// The ending keeps the stage camera's view, which the stage frame sets every frame.
TEST_F(OverlayScreens, EndingShowsTheCraftBehindTheFirstStaffLine)
{
    const D3DXVECTOR3 eye(0.0f, -10.0f, -20.0f), at(0.0f, 0.0f, 1.0f), up(0.0f, 1.0f, 0.0f);
    D3DXMATRIX view;
    device_->SetTransform(D3DTS_VIEW, D3DXMatrixLookAtLH(&view, &eye, &at, &up));
    EnterEnding();
    for (int frame = 1; frame <= 400; ++frame) EndingFrame();
    const d3d9::Picture ending = Shot();
    EXPECT_TRUE(d3d9::SavePng(ScreenshotPath("game_ending.png"), ending));

    EXPECT_EQ(g_staffLineAlpha, 255.0f);
    int lineLit = 0, elsewhereLit = 0;
    for (UINT y = 0; y < ending.height; ++y) {
        for (UINT x = 0; x < ending.width; ++x) {
            const bool inLine = x >= 170 && x < 470 && y >= 165 && y < 315;
            (inLine ? lineLit : elsewhereLit) += Brightness(ending.At(x, y)) > 100;
        }
    }
    EXPECT_GT(lineLit, 800) << "the first line rests at (170, 165) at full alpha";
    EXPECT_GT(elsewhereLit, 2000) << "the craft, at alpha 0.8, shows round the line";
}

}  // namespace
