// The flame strip under the craft: thirteen 23 by 37 cells of game.bmp, one per call.
#include "core/globals.h"
#include "graphics/effect_states.h"
#include "graphics/effects.h"

EffectVertex g_flameQuad[4];
int32_t g_stripCellU;
int32_t g_stripToggle;

void DrawFlameStrip(EffectVertex* quad, GameObject player)
{
    const float s = float(g_stripCellU);
    quad[0].uv = D3DXVECTOR2(s / 1024.0f, 161.0f / 512.0f);
    quad[1].uv = D3DXVECTOR2((s + 23.0f) / 1024.0f, 161.0f / 512.0f);
    quad[2].uv = D3DXVECTOR2((s + 23.0f) / 1024.0f, 198.0f / 512.0f);
    quad[3].uv = D3DXVECTOR2(s / 1024.0f, 198.0f / 512.0f);

    SetEffectStates();
    SetGlowBlend();
    D3DXMATRIXA16 world;
    D3DXMatrixTranslation(&world, player.pos.x, player.pos.y - 2.0f, player.pos.z);
    g_device->SetTransform(D3DTS_WORLD, &world);
    g_device->DrawPrimitiveUP(D3DPT_TRIANGLEFAN, 2, quad, sizeof(EffectVertex));
    RestoreAfterGlow();

    // The toggle starts at 0, so the very first call does not advance: cell 0 shows twice.
    if (g_stripToggle >= 1) {
        g_stripCellU += 23;
        g_stripToggle = 0;
    }
    if (g_stripCellU >= 299) g_stripCellU = 0;
    ++g_stripToggle;
}
