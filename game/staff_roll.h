// The staff roll: six pictures of endscr.bmp, shown one after another; each fades in,
// rests, then slides down off the screen, and the sixth stays.
#pragma once

#include <cstdint>

#include "d3dx9.h"

// Top-left corner of each line on the screen, pixels; the ending's entry places them and
// the y of the line being shown grows while it slides.
extern D3DXVECTOR2 g_staffLinePos[6];
extern uint8_t g_staffLineIndex;   // the line being shown, 0 to 5
extern uint32_t g_staffLineHold;   // frames the line being shown has rested at full alpha
extern float g_staffLineAlpha;     // 0 to 255

// Draws the line being shown and advances it by one frame. Called by the ending frame
// between a successful sprite Begin and its End; leaves the standing blend set.
void DrawStaffRoll();
