// The overlays' sprite begin, cell draw and blend switch.
#include "game/sprite_cell.h"

#include "core/globals.h"

namespace {

void DrawCell(IDirect3DTexture9* sheet, const RECT& cell, D3DXVECTOR2 position, D3DXVECTOR2 scaling,
              D3DCOLOR colour)
{
    if (!sheet) return;
    const D3DXVECTOR2 centre(0.0f, 0.0f);
    g_sprite->Draw(sheet, &cell, &scaling, &centre, 0.0f, &position, colour);
}

}  // namespace

bool BeginSprite() { return g_sprite && SUCCEEDED(g_sprite->Begin()); }

void DrawSpriteCell(IDirect3DTexture9* sheet, const RECT& cell, D3DXVECTOR2 position, D3DCOLOR colour)
{
    DrawCell(sheet, cell, position, D3DXVECTOR2(1.0f, 1.0f), colour);
}

void DrawScaledSpriteCell(IDirect3DTexture9* sheet, const RECT& cell, D3DXVECTOR2 position, D3DXVECTOR2 scaling)
{
    DrawCell(sheet, cell, position, scaling, 0xFFFFFFFF);
}

void SetSpriteBlend(D3DBLEND destination)
{
    g_device->SetRenderState(D3DRS_SRCBLEND, D3DBLEND_SRCALPHA);
    g_device->SetRenderState(D3DRS_DESTBLEND, destination);
}
