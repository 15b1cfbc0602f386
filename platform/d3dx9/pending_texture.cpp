// Until the picture readers land: no texture loads.
#include "d3dx9.h"

HRESULT WINAPI D3DXCreateTextureFromFileExA(IDirect3DDevice9*, LPCSTR, UINT, UINT, UINT, DWORD, D3DFORMAT, D3DPOOL,
                                            DWORD, DWORD, D3DCOLOR, D3DXIMAGE_INFO*, PALETTEENTRY*,
                                            IDirect3DTexture9** texture)
{
    if (texture) *texture = nullptr;
    return E_NOTIMPL;
}
