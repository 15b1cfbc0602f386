// DrawHud on the stand-ins: its whole draw list for one state, and the parts that follow
// the game's state (digits, life bar, icons, boss bar) over tables of states.
#include <algorithm>
#include <iterator>

#include "game/energy.h"
#include "game/hud.h"
#include "game/glyph_tables.h"
#include "game/overlay_fixture.h"

namespace {

std::string Draw(const char* sheet, RECT cell, float x, float y, D3DCOLOR colour = 0xFFFFFFFF)
{
    return fake::Call("Sprite.Draw", fake::Label{sheet}, fake::Fields(cell.left, cell.top, cell.right, cell.bottom),
                      fake::Fields(1.0f, 1.0f), fake::Fields(0.0f, 0.0f), 0.0f, fake::Fields(x, y),
                      fake::Hex{colour});
}

std::string Digit(int digit, float x)
{
    return Draw("Glyphs", glyphs::DigitCell(digit), x, 20.0f);
}

struct HudState {
    float life = 87.0f;
    int8_t digits[5] = {0, 0, 0, 0, 0};
    int32_t energy = 0;
    float bossLife = 0.0f;
};

class HudTest : public OverlayFixture {
protected:
    void SetUp() override
    {
        OverlayFixture::SetUp();
        glyphs::FillTables();
    }

    void TearDown() override
    {
        g_energy = 0;
        std::fill(std::begin(g_energyDigits), std::end(g_energyDigits), int8_t(0));
        OverlayFixture::TearDown();
    }

    // Draws the display for the state; its overlay calls.
    static std::vector<std::string> Show(const HudState& state)
    {
        g_world.player.life = state.life;
        g_world.boss.life = state.bossLife;
        g_energy = state.energy;
        std::copy(std::begin(state.digits), std::end(state.digits), g_energyDigits);
        fake::ClearCalls();
        DrawHud();
        return OverlayCalls();
    }

    // The draws of one sheet at one height, or of one cell.
    static std::vector<std::string> Matching(const std::vector<std::string>& calls, const std::string& part)
    {
        std::vector<std::string> found;
        std::copy_if(calls.begin(), calls.end(), std::back_inserter(found),
                     [&](const std::string& call) { return call.find(part) != std::string::npos; });
        return found;
    }
};

TEST_F(HudTest, DrawsEveryElementInOrderWithItsBlend)
{
    HudState state;
    state.life = 43.5f;
    state.digits[3] = 4;
    state.digits[4] = 2;
    state.energy = 699;
    state.bossLife = 1200.0f;
    EXPECT_EQ(Show(state), (std::vector<std::string>{
                               "SetRenderState(SRCBLEND, SRCALPHA)",
                               "SetRenderState(DESTBLEND, DESTALPHA)",
                               "Sprite.Draw(Scoreboard, {0, 0, 640, 480}, {1, 1}, {0, 0}, 0, {0, 0}, 0x7FFFFFFF)",
                               "Sprite.Draw(Game, {0, 200, 55, 300}, {1, 1}, {0, 0}, 0, {0, 30}, 0xFFFFFFFF)",
                               "Sprite.Draw(Game, {60, 243, 104, 287}, {1, 1}, {0, 0}, 0, {3, 73.5}, 0xFFFFFFFF)",
                               "SetRenderState(SRCBLEND, SRCALPHA)",
                               "SetRenderState(DESTBLEND, INVSRCALPHA)",
                               "Sprite.Draw(Glyphs, {197, 0, 213, 26}, {1, 1}, {0, 0}, 0, {0, 0}, 0xFFFFFFFF)",
                               "Sprite.Draw(Glyphs, {149, 0, 160, 26}, {1, 1}, {0, 0}, 0, {15, 0}, 0xFFFFFFFF)",
                               "Sprite.Draw(Glyphs, {90, 0, 106, 26}, {1, 1}, {0, 0}, 0, {30, 0}, 0xFFFFFFFF)",
                               "Sprite.Draw(Glyphs, {74, 0, 89, 26}, {1, 1}, {0, 0}, 0, {45, 0}, 0xFFFFFFFF)",
                               "Sprite.Draw(Glyphs, {99, 27, 113, 53}, {1, 1}, {0, 0}, 0, {540, 0}, 0xFFFFFFFF)",
                               "Sprite.Draw(Glyphs, {37, 0, 52, 26}, {1, 1}, {0, 0}, 0, {555, 0}, 0xFFFFFFFF)",
                               "Sprite.Draw(Glyphs, {22, 27, 39, 53}, {1, 1}, {0, 0}, 0, {570, 0}, 0xFFFFFFFF)",
                               "Sprite.Draw(Glyphs, {80, 27, 98, 53}, {1, 1}, {0, 0}, 0, {585, 0}, 0xFFFFFFFF)",
                               "Sprite.Draw(Glyphs, {74, 0, 89, 26}, {1, 1}, {0, 0}, 0, {600, 0}, 0xFFFFFFFF)",
                               "Sprite.Draw(Glyphs, {56, 128, 71, 148}, {1, 1}, {0, 0}, 0, {585, 20}, 0xFFFFFFFF)",
                               "Sprite.Draw(Glyphs, {26, 128, 41, 148}, {1, 1}, {0, 0}, 0, {600, 20}, 0xFFFFFFFF)",
                               "Sprite.Draw(Game, {0, 300, 32, 332}, {1, 1}, {0, 0}, 0, {600, 50}, 0x7FFFFFFF)",
                               "Sprite.Draw(Game, {33, 300, 65, 332}, {1, 1}, {0, 0}, 0, {600, 90}, 0x7FFFFFFF)",
                               "Sprite.Draw(Title, {0, 830, 300, 838}, {1, 1}, {0, 0}, 0, {170, 10}, 0xFFFFFFFF)",
                           }));
}

// Leading zeros blank, the units always shown, left-aligned in 15-pixel steps. Past
// 99999 the ten-thousands digit has no cell: the display holds at 99999.
TEST_F(HudTest, DigitsBlankTheirLeadingZeros)
{
    const struct {
        int8_t digits[5];
        std::vector<std::string> shown;
    } cases[] = {
        {{0, 0, 0, 0, 0}, {Digit(0, 600)}},
        {{0, 0, 0, 4, 2}, {Digit(4, 585), Digit(2, 600)}},
        {{0, 0, 1, 0, 0}, {Digit(1, 570), Digit(0, 585), Digit(0, 600)}},
        {{1, 0, 2, 3, 4}, {Digit(1, 540), Digit(0, 555), Digit(2, 570), Digit(3, 585), Digit(4, 600)}},
        {{1, 2, 3, 4, 5}, {Digit(1, 540), Digit(2, 555), Digit(3, 570), Digit(4, 585), Digit(5, 600)}},
        {{0, 7, 0, 0, 9}, {Digit(7, 555), Digit(0, 570), Digit(0, 585), Digit(9, 600)}},
        {{9, 9, 9, 9, 9}, {Digit(9, 540), Digit(9, 555), Digit(9, 570), Digit(9, 585), Digit(9, 600)}},
        {{10, 0, 0, 0, 0}, {Digit(9, 540), Digit(9, 555), Digit(9, 570), Digit(9, 585), Digit(9, 600)}},
        {{-128, 0, 0, 3, 1}, {Digit(9, 540), Digit(9, 555), Digit(9, 570), Digit(9, 585), Digit(9, 600)}},
        {{0, 0, 0, 0, 127}, {Digit(9, 540), Digit(9, 555), Digit(9, 570), Digit(9, 585), Digit(9, 600)}},
    };
    for (const auto& c : cases) {
        HudState state;
        std::copy(std::begin(c.digits), std::end(c.digits), state.digits);
        EXPECT_EQ(Matching(Show(state), ", 20}, "), c.shown)
            << +c.digits[0] << " " << +c.digits[1] << " " << +c.digits[2] << " " << +c.digits[3] << " "
            << +c.digits[4];
    }
}

// The icons follow the energy itself, lit from the price of their weapon on.
TEST_F(HudTest, IconsLightAtTheirPrices)
{
    const struct {
        int32_t energy;
        D3DCOLOR missile, laser;
    } cases[] = {
        {0, 0x7FFFFFFF, 0x7FFFFFFF},   {699, 0x7FFFFFFF, 0x7FFFFFFF}, {700, 0xFFFFFFFF, 0x7FFFFFFF},
        {999, 0xFFFFFFFF, 0x7FFFFFFF}, {1000, 0xFFFFFFFF, 0xFFFFFFFF}, {100000, 0xFFFFFFFF, 0xFFFFFFFF},
    };
    for (const auto& c : cases) {
        HudState state;
        state.energy = c.energy;
        state.digits[4] = 7;  // the shown energy plays no part
        const std::vector<std::string> calls = Show(state);
        EXPECT_EQ(Matching(calls, "{600, 50}"), (std::vector{Draw("Game", {0, 300, 32, 332}, 600, 50, c.missile)}))
            << c.energy;
        EXPECT_EQ(Matching(calls, "{600, 90}"), (std::vector{Draw("Game", {33, 300, 65, 332}, 600, 90, c.laser)}))
            << c.energy;
    }
}

// The bar is cut from the top, its foot staying at y = 117; none at a life of 0 or less.
TEST_F(HudTest, LifeBarShrinksFromTheTop)
{
    const struct {
        float life;
        std::vector<std::string> bar;
    } cases[] = {
        {87.0f, {Draw("Game", {60, 200, 104, 287}, 3, 30)}},
        {43.5f, {Draw("Game", {60, 243, 104, 287}, 3, 73.5f)}},
        {0.5f, {Draw("Game", {60, 286, 104, 287}, 3, 116.5f)}},
        {0.0f, {}},
        {-3.0f, {}},
        {-1e30f, {}},
    };
    for (const auto& c : cases) {
        HudState state;
        state.life = c.life;
        const std::vector<std::string> calls = Show(state);
        EXPECT_EQ(Matching(calls, "Sprite.Draw(Game, {60, "), c.bar) << c.life;
        EXPECT_EQ(Matching(calls, "Sprite.Draw(Game, {0, 200, 55, 300}").size(), 1u) << "the gauge's frame stays";
    }
}

// Four life per pixel; none below a life of 4, as during the whole stage.
TEST_F(HudTest, BossBarShowsItsLifeInQuarters)
{
    const struct {
        float life;
        std::vector<std::string> bar;
    } cases[] = {
        {1200.0f, {Draw("Title", {0, 830, 300, 838}, 170, 10)}},
        {903.0f, {Draw("Title", {0, 830, 225, 838}, 170, 10)}},
        {4.0f, {Draw("Title", {0, 830, 1, 838}, 170, 10)}},
        {3.9f, {}},
        {0.0f, {}},
        {-20.0f, {}},
    };
    for (const auto& c : cases) {
        HudState state;
        state.bossLife = c.life;
        EXPECT_EQ(Matching(Show(state), "Sprite.Draw(Title"), c.bar) << c.life;
    }
}

// A sheet that failed to load leaves its elements out; the rest draws as always.
TEST_F(HudTest, MissingSheetsLeaveOnlyTheirElementsOut)
{
    Release(g_texGame);
    Release(g_texTitle);
    HudState state;
    state.bossLife = 1200.0f;
    const std::vector<std::string> calls = Show(state);
    EXPECT_TRUE(Matching(calls, "Sprite.Draw(Game").empty());
    EXPECT_TRUE(Matching(calls, "Sprite.Draw(Title").empty());
    EXPECT_EQ(Matching(calls, "Sprite.Draw(Scoreboard").size(), 1u);
    EXPECT_EQ(Matching(calls, "Sprite.Draw(Glyphs").size(), 10u);
    EXPECT_EQ(Matching(calls, "Sprite.Draw(null").size(), 0u);
}

}  // namespace
