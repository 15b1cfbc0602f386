// The stage loading: every model into g_world behind the loading bars, the glyph tables,
// the enemies from "./DATA/stage01.kfc", the stage tune, then the effect quads.
#pragma once

#include <cstdint>

#include "graphics/effects.h"
#include "windows.h"

extern int32_t g_stageEnemyCount;  // the count the timetable claims; read by nothing else
// 1 for each enemy slot a timetable record filled: only those ever enter the stage.
extern uint8_t g_enemySlotFilled[381];

// Glyph cells of ABC012.bmp drawn by the head-up display.
extern RECT g_glyphRectsA[4];
extern RECT g_glyphRectsB[5];
extern RECT g_digitRects[10];  // entry d is the digit d

// Scene functions, each run once: LoadStage stores BuildEffectQuads, which stores EnterStage.
void LoadStage();
void BuildEffectQuads();
void SetVertex(EffectVertex* vertex, D3DXVECTOR3 position, D3DCOLOR diffuse, D3DXVECTOR2 uv);
