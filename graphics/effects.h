// The textured-quad effects drawn from game.bmp after the models: ten explosion slots,
// the flame strip under the craft and the twin laser. Called by the stage and boss frames
// between their scene begin and end; explosions are started by the frames, by enemy
// pattern 5 and by the boss's burst.
#pragma once

#include <cstdint>

#include "core/game_object.h"

// One corner of an effect quad; the layout is the vertex format XYZ | DIFFUSE | TEX1.
struct EffectVertex {
    D3DXVECTOR3 position;  // world units in the quad's own space; z is 0
    D3DCOLOR diffuse;      // its alpha scales the picture's alpha
    D3DXVECTOR2 uv;        // into game.bmp: column / 1024, row / 512

    EffectVertex();
};

const DWORD kEffectVertexFormat = D3DFVF_XYZ | D3DFVF_DIFFUSE | D3DFVF_TEX1;

// Corners in the order top-left, top-right, bottom-right, bottom-left; filled once by
// BuildEffectQuads, then rewritten (cells, beam heights) by the drawing below.
extern EffectVertex g_explosionQuads[40];  // quad i is vertices 4i to 4i+3
extern EffectVertex g_flameQuad[4];
extern EffectVertex g_laserQuad[4];        // vertices 0 and 1 the head, 2 and 3 the tail

extern int32_t g_explosionActive[10];
extern D3DXMATRIXA16 g_explosionWorld[10];
extern float g_explosionCellU[10];  // pixel column of the current cell, 0 to 560
extern float g_explosionCellV[10];  // pixel row of the current cell, 0 or 80

extern int32_t g_stripCellU;   // pixel column of the flame's cell, 0 to 276
extern int32_t g_stripToggle;  // calls counted toward the next cell

extern int32_t g_laserFrame;   // calls of the current run
extern uint8_t g_laserActive;  // 1 while a run goes on

void SpawnExplosion(GameObject object, float size);
void DrawExplosions(EffectVertex* quads, GameObject player);
void DrawFlameStrip(EffectVertex* quad, GameObject player);
void DrawTwinLaser(EffectVertex* quad, GameObject player);
