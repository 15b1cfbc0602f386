// The staff roll's state and its one step per frame. Nothing resets it: the ending is
// entered once per run and never left.
#include "game/staff_roll.h"

#include "core/globals.h"
#include "game/sprite_cell.h"

D3DXVECTOR2 g_staffLinePos[6];
uint8_t g_staffLineIndex = 0;
uint32_t g_staffLineHold = 0;
float g_staffLineAlpha = 0.0f;

namespace {

constexpr uint8_t kLastLine = 5;
constexpr LONG kLineWidth = 300;   // endscr.bmp pixels; line i is the i-th cell down
constexpr LONG kLineHeight = 150;
constexpr uint32_t kRestFrames = 150;  // at full alpha before the slide
constexpr float kSlidePerFrame = 2.0f;
// The next line waits until the sliding one is well past the screen's 480 rows.
constexpr float kNextLineY = 640.0f;

}  // namespace

void DrawStaffRoll()
{
    const uint8_t i = g_staffLineIndex;
    const RECT cell = {0, kLineHeight * i, kLineWidth, kLineHeight * (i + 1)};
    SetSpriteBlend(D3DBLEND_DESTALPHA);
    DrawSpriteCell(g_texEnding, cell, g_staffLinePos[i], D3DCOLOR_ARGB(int(g_staffLineAlpha), 255, 255, 255));
    SetSpriteBlend(D3DBLEND_INVSRCALPHA);

    g_staffLineAlpha += 1.0f;
    if (g_staffLineAlpha > 255.0f) {
        g_staffLineAlpha = 255.0f;
        ++g_staffLineHold;
    }
    // The last line never slides: it stays, its hold counting on.
    if (g_staffLineHold > kRestFrames && i != kLastLine) {
        g_staffLinePos[i].y += kSlidePerFrame;
        if (g_staffLinePos[i].y > kNextLineY) {
            ++g_staffLineIndex;
            g_staffLineHold = 0;
            g_staffLineAlpha = 0.0f;
        }
    }
}
