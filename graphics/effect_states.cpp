// The device states every effect quad draws under.
#include "graphics/effect_states.h"

#include "core/globals.h"
#include "graphics/effects.h"

void SetEffectStates()
{
    g_device->SetRenderState(D3DRS_LIGHTING, FALSE);
    g_device->SetTexture(0, g_texGame);
    g_device->SetFVF(kEffectVertexFormat);
}

void SetGlowBlend()
{
    g_device->SetRenderState(D3DRS_SRCBLEND, D3DBLEND_SRCALPHA);
    g_device->SetRenderState(D3DRS_DESTBLEND, D3DBLEND_DESTALPHA);
}

void RestoreAfterGlow()
{
    g_device->SetRenderState(D3DRS_SRCBLEND, D3DBLEND_SRCALPHA);
    g_device->SetRenderState(D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA);
    g_device->SetRenderState(D3DRS_LIGHTING, TRUE);
}
