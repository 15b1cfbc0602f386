// The sprite-sheet loader and the render states set once at start-up.
#include "shell/startup.h"

void LoadTexture(IDirect3DTexture9** texture, const char* fileName, UINT width, UINT height, D3DCOLOR colourKey)
{
    if (width == 0) width = D3DX_DEFAULT;
    if (height == 0) height = D3DX_DEFAULT;
    D3DXCreateTextureFromFileExA(g_device, fileName, width, height, 1, 0, D3DFMT_UNKNOWN, D3DPOOL_MANAGED,
                                 D3DX_FILTER_NONE, D3DX_DEFAULT, colourKey, nullptr, nullptr, texture);
}

void SetupRenderStates()
{
    g_device->SetRenderState(D3DRS_ZENABLE, D3DZB_TRUE);
    g_device->SetRenderState(D3DRS_ZWRITEENABLE, TRUE);
    g_device->SetRenderState(D3DRS_ALPHABLENDENABLE, TRUE);
    g_device->SetRenderState(D3DRS_SRCBLEND, D3DBLEND_SRCALPHA);
    g_device->SetRenderState(D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA);
    g_device->SetTextureStageState(0, D3DTSS_ALPHAOP, D3DTOP_MODULATE);
    g_device->SetTextureStageState(0, D3DTSS_ALPHAARG1, D3DTA_TEXTURE);
    g_device->SetTextureStageState(0, D3DTSS_ALPHAARG2, D3DTA_DIFFUSE);
    g_device->SetTextureStageState(0, D3DTSS_COLOROP, D3DTOP_MODULATE);
    g_device->SetRenderState(D3DRS_CULLMODE, D3DCULL_NONE);
    g_device->SetSamplerState(0, D3DSAMP_MIPFILTER, D3DTEXF_LINEAR);
    g_device->SetSamplerState(0, D3DSAMP_MINFILTER, D3DTEXF_LINEAR);
    g_device->SetSamplerState(0, D3DSAMP_MAGFILTER, D3DTEXF_LINEAR);
    g_device->SetRenderState(D3DRS_LIGHTING, TRUE);
    g_device->SetFVF(D3DFVF_XYZ | D3DFVF_DIFFUSE | D3DFVF_TEX1);  // the effect quads' vertex
}
