// Until the sprite lands: no sprite object.
#include "d3dx9.h"

HRESULT WINAPI D3DXCreateSprite(IDirect3DDevice9*, ID3DXSprite** sprite)
{
    if (sprite) *sprite = nullptr;
    return E_NOTIMPL;
}
