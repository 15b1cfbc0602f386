// What the sprite-drawn overlays share: the sprite's begin, one sheet cell drawn at a
// screen place, and the switch between the glowing and the standing blend.
#pragma once

#include "d3dx9.h"

// Begin on g_sprite; a sprite the start-up could not make answers as a failed Begin, so
// the caller skips its overlays and its End.
bool BeginSprite();

// The cell (left, top, right, bottom in texels, right and bottom exclusive) of a sheet,
// unrotated, its top-left corner at the position in back-buffer pixels. A sheet that
// failed to load is skipped.
void DrawSpriteCell(IDirect3DTexture9* sheet, const RECT& cell, D3DXVECTOR2 position, D3DCOLOR colour);
// The same, scaled about its top-left corner, in the sheet's own colours.
void DrawScaledSpriteCell(IDirect3DTexture9* sheet, const RECT& cell, D3DXVECTOR2 position, D3DXVECTOR2 scaling);

// Source alpha over the back buffer: D3DBLEND_DESTALPHA adds the picture (it glows, the
// back buffer's alpha being 1), D3DBLEND_INVSRCALPHA is the standing blend.
void SetSpriteBlend(D3DBLEND destination);
