// The head-up display: every frame drawn afresh from the craft's life, the energy, the
// shown energy's digits and the boss's life.
#include "game/hud.h"

#include <cstdint>

#include "core/game_world.h"
#include "core/globals.h"
#include "game/energy.h"
#include "game/sprite_cell.h"
#include "game/stage_loading.h"

namespace {

constexpr D3DCOLOR kOpaque = 0xFFFFFFFF;
constexpr D3DCOLOR kHalfAlpha = 0x7FFFFFFF;

constexpr double kFullLife = 87.0;
constexpr LONG kLifeBarBottom = 287;  // game.bmp row just below the bar's cell
constexpr double kBossLifePerPixel = 4.0;

// The two prices: the icons light when the energy itself, not the shown one, pays.
constexpr int32_t kMissilePrice = 700;
constexpr int32_t kLaserPrice = 1000;

// Cells are 10 to 15 texels wide, set left-aligned in 15-pixel steps.
constexpr float kCellStep = 15.0f;

void DrawLifeGauge(float life)
{
    DrawSpriteCell(g_texGame, {0, 200, 55, 300}, {0.0f, 30.0f}, kOpaque);
    // The bar is cut from the top as life falls; its lower edge stays at y = 117. Decided
    // before the whole-number cut, so no life can overflow it.
    const double top = (kFullLife - life) + 200.0;
    if (!(top < kLifeBarBottom)) return;
    const RECT bar = {60, LONG(top), 104, kLifeBarBottom};
    DrawSpriteCell(g_texGame, bar, {3.0f, float((kFullLife - life) + 30.0)}, kOpaque);
}

void DrawLabels()
{
    for (int i = 0; i < 4; ++i) DrawSpriteCell(g_texGlyphs, g_glyphRectsA[i], {kCellStep * i, 0.0f}, kOpaque);
    for (int i = 0; i < 5; ++i)
        DrawSpriteCell(g_texGlyphs, g_glyphRectsB[i], {540.0f + kCellStep * i, 0.0f}, kOpaque);
}

// Leading zeros stay blank; the units digit always shows. The digits hold 0 to 9 up to a
// shown energy of 99999; past it the ten-thousands digit counts on past 9 (and in 8 bits
// wraps negative), which has no cell: the display then holds at 99999.
void DrawEnergyDigits()
{
    bool beyondCells = false;
    for (int8_t digit : g_energyDigits) beyondCells = beyondCells || digit < 0 || digit > 9;
    bool leading = true;
    for (int i = 0; i < 5; ++i) {
        const int digit = beyondCells ? 9 : g_energyDigits[i];
        leading = leading && digit == 0 && i < 4;
        if (!leading) DrawSpriteCell(g_texGlyphs, g_digitRects[digit], {540.0f + kCellStep * i, 20.0f}, kOpaque);
    }
}

void DrawWeaponIcons()
{
    DrawSpriteCell(g_texGame, {0, 300, 32, 332}, {600.0f, 50.0f}, g_energy >= kMissilePrice ? kOpaque : kHalfAlpha);
    DrawSpriteCell(g_texGame, {33, 300, 65, 332}, {600.0f, 90.0f}, g_energy >= kLaserPrice ? kOpaque : kHalfAlpha);
}

// 0 during the whole stage and below 0 after the boss's last hit: no bar then.
void DrawBossLifeBar(float life)
{
    const double width = life / kBossLifePerPixel;
    if (!(width >= 1.0)) return;
    DrawSpriteCell(g_texTitle, {0, 830, LONG(width), 838}, {170.0f, 10.0f}, kOpaque);
}

}  // namespace

void DrawHud()
{
    SetSpriteBlend(D3DBLEND_DESTALPHA);
    DrawSpriteCell(g_texScoreboard, {0, 0, 640, 480}, {0.0f, 0.0f}, kHalfAlpha);
    DrawLifeGauge(g_world.player.life);

    SetSpriteBlend(D3DBLEND_INVSRCALPHA);
    DrawLabels();
    DrawEnergyDigits();
    DrawWeaponIcons();
    DrawBossLifeBar(g_world.boss.life);
}
