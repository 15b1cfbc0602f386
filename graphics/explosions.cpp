// The ten explosion slots: spawned at an object's place, each drawn one 80 by 80 cell of
// game.bmp per call through sixteen cells, then freed.
#include "core/globals.h"
#include "graphics/effect_states.h"
#include "graphics/effects.h"

EffectVertex g_explosionQuads[40];
int32_t g_explosionActive[10];
D3DXMATRIXA16 g_explosionWorld[10];
float g_explosionCellU[10];
float g_explosionCellV[10];

namespace {

constexpr float kCell = 80.0f;  // pixels
constexpr float kSheetWidth = 1024.0f, kSheetHeight = 512.0f;

void WriteCell(EffectVertex* quad, float u, float v)
{
    quad[0].uv = D3DXVECTOR2(u / kSheetWidth, v / kSheetHeight);
    quad[1].uv = D3DXVECTOR2((u + kCell) / kSheetWidth, v / kSheetHeight);
    quad[2].uv = D3DXVECTOR2((u + kCell) / kSheetWidth, (v + kCell) / kSheetHeight);
    quad[3].uv = D3DXVECTOR2(u / kSheetWidth, (v + kCell) / kSheetHeight);
}

// Eight cells to a row, two rows; the slot is freed as its cell wraps back to (0, 0).
void AdvanceCell(int i)
{
    g_explosionCellU[i] += kCell;
    if (g_explosionCellU[i] >= 640.0f) {
        g_explosionCellV[i] += kCell;
        g_explosionCellU[i] = 0.0f;
        if (g_explosionCellV[i] >= 160.0f) {
            g_explosionCellV[i] = 0.0f;
            g_explosionActive[i] = 0;
        }
    }
}

}  // namespace

// A spawn with every slot busy is dropped: the burst is lost, not queued.
void SpawnExplosion(GameObject object, float size)
{
    for (int i = 0; i < 10; ++i) {
        if (g_explosionActive[i] != 0) continue;
        D3DXMATRIXA16 scaling, translation;
        D3DXMatrixScaling(&scaling, size, size, 1.0f);
        D3DXMatrixTranslation(&translation, object.pos.x, object.pos.y, object.pos.z);
        D3DXMatrixMultiply(&g_explosionWorld[i], &scaling, &translation);
        g_explosionActive[i] = 1;
        return;
    }
}

void DrawExplosions(EffectVertex* quads, GameObject)
{
    for (int i = 0; i < 10; ++i)
        if (g_explosionActive[i] == 1) WriteCell(&quads[4 * i], g_explosionCellU[i], g_explosionCellV[i]);

    // The states change and come back even when nothing explodes.
    SetEffectStates();
    SetGlowBlend();
    for (int i = 0; i < 10; ++i) {
        if (g_explosionActive[i] != 1) continue;
        g_device->SetTransform(D3DTS_WORLD, &g_explosionWorld[i]);
        g_device->DrawPrimitiveUP(D3DPT_TRIANGLEFAN, 2, &quads[4 * i], sizeof(EffectVertex));
        AdvanceCell(i);
    }
    RestoreAfterGlow();
}
