// The device states every effect quad draws under, and the effect vertex's constructor.
#include "graphics/effect_states.h"

#include "core/globals.h"
#include "graphics/effects.h"

static_assert(sizeof(EffectVertex) == 24, "the effect quads are drawn with a stride of 24");

// Sets nothing: the arrays are static, so they start at zero until the stage fills them.
EffectVertex::EffectVertex() {}

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
