// The overlays' sprite begin, cell draw and blend switch.
#include "game/sprite_cell.h"

#include "core/globals.h"

bool BeginSprite() { return g_sprite && SUCCEEDED(g_sprite->Begin()); }

void DrawSpriteCell(IDirect3DTexture9* sheet, const RECT& cell, D3DXVECTOR2 position, D3DCOLOR colour)
{
    if (!sheet) return;
    const D3DXVECTOR2 scaling(1.0f, 1.0f);
    const D3DXVECTOR2 centre(0.0f, 0.0f);
    g_sprite->Draw(sheet, &cell, &scaling, &centre, 0.0f, &position, colour);
}

void SetSpriteBlend(D3DBLEND destination)
{
    g_device->SetRenderState(D3DRS_SRCBLEND, D3DBLEND_SRCALPHA);
    g_device->SetRenderState(D3DRS_DESTBLEND, destination);
}
