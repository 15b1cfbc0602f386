// Reading the device state, with Direct3D's defaults for what the game never set.
#include "fake_d3d9.h"

namespace fake {

namespace {

DWORD DefaultRenderState(D3DRENDERSTATETYPE state, const D3DPRESENT_PARAMETERS& params)
{
    switch (state) {
    case D3DRS_ZENABLE:
        return params.EnableAutoDepthStencil ? D3DZB_TRUE : D3DZB_FALSE;
    case D3DRS_FILLMODE:
        return 3;  // solid
    case D3DRS_SHADEMODE:
        return 2;  // Gouraud
    case D3DRS_ZWRITEENABLE:
    case D3DRS_LIGHTING:
    case D3DRS_COLORVERTEX:
        return TRUE;
    case D3DRS_SRCBLEND:
        return D3DBLEND_ONE;
    case D3DRS_DESTBLEND:
        return D3DBLEND_ZERO;
    case D3DRS_CULLMODE:
        return D3DCULL_CCW;
    case D3DRS_ZFUNC:
        return D3DCMP_LESSEQUAL;
    case D3DRS_ALPHAFUNC:
        return D3DCMP_ALWAYS;
    case D3DRS_DIFFUSEMATERIALSOURCE:
        return D3DMCS_COLOR1;
    case D3DRS_SPECULARMATERIALSOURCE:
        return D3DMCS_COLOR2;
    case D3DRS_BLENDOP:
        return 1;  // add
    default:
        return 0;
    }
}

DWORD DefaultStageState(DWORD stage, D3DTEXTURESTAGESTATETYPE type)
{
    switch (type) {
    case D3DTSS_COLOROP:
        return stage == 0 ? D3DTOP_MODULATE : D3DTOP_DISABLE;
    case D3DTSS_ALPHAOP:
        return stage == 0 ? D3DTOP_SELECTARG1 : D3DTOP_DISABLE;
    case D3DTSS_COLORARG1:
    case D3DTSS_ALPHAARG1:
        return D3DTA_TEXTURE;
    case D3DTSS_COLORARG2:
    case D3DTSS_ALPHAARG2:
        return D3DTA_CURRENT;
    case D3DTSS_TEXCOORDINDEX:
        return stage;
    }
    return 0;
}

DWORD DefaultSamplerState(D3DSAMPLERSTATETYPE type)
{
    switch (type) {
    case D3DSAMP_ADDRESSU:
    case D3DSAMP_ADDRESSV:
        return D3DTADDRESS_WRAP;
    case D3DSAMP_MAGFILTER:
    case D3DSAMP_MINFILTER:
        return D3DTEXF_POINT;
    case D3DSAMP_MIPFILTER:
        return D3DTEXF_NONE;
    }
    return 0;
}

}  // namespace

DWORD DeviceState::RenderState(D3DRENDERSTATETYPE state) const
{
    auto found = renderStates.find(state);
    return found != renderStates.end() ? found->second : DefaultRenderState(state, params);
}

DWORD DeviceState::StageState(DWORD stage, D3DTEXTURESTAGESTATETYPE type) const
{
    auto found = stageStates.find({stage, type});
    return found != stageStates.end() ? found->second : DefaultStageState(stage, type);
}

DWORD DeviceState::SamplerState(DWORD sampler, D3DSAMPLERSTATETYPE type) const
{
    auto found = samplerStates.find({sampler, type});
    return found != samplerStates.end() ? found->second : DefaultSamplerState(type);
}

D3DMATRIX DeviceState::Transform(D3DTRANSFORMSTATETYPE type) const
{
    auto found = transforms.find(type);
    if (found != transforms.end()) return found->second;
    D3DMATRIX identity = {};
    identity._11 = identity._22 = identity._33 = identity._44 = 1.0f;
    return identity;
}

std::string DeviceState::Texture(DWORD stage) const
{
    auto found = textures.find(stage);
    return TextureLabel(found == textures.end() ? nullptr : found->second);
}

}  // namespace fake
