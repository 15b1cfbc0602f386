// The sprite: screen-space textured quads in back-buffer pixels.
#pragma once

#include "d3dx9math.h"

// Interface layout of the earlier DirectX 9 SDK: Begin takes no flags, Draw takes a
// scaling, a rotation centre, a rotation and a translation.
struct ID3DXSprite : IUnknown {
    virtual HRESULT Begin() = 0;
    // Source rectangle in texels (right and bottom exclusive; null for the whole texture);
    // the quad is scaled, rotated about the centre (after scaling) by the angle in radians,
    // then moved so that its top-left corner lands on the translation; colour multiplies
    // the texels.
    virtual HRESULT Draw(IDirect3DTexture9* texture, const RECT* source, const D3DXVECTOR2* scaling,
                         const D3DXVECTOR2* rotationCentre, float rotation, const D3DXVECTOR2* translation,
                         D3DCOLOR colour) = 0;
    virtual HRESULT End() = 0;
};
typedef ID3DXSprite* LPD3DXSPRITE;

HRESULT WINAPI D3DXCreateSprite(IDirect3DDevice9* device, ID3DXSprite** sprite);
