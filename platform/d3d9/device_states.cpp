// Default and valid values of the device states.
#include "device_states.h"

namespace d3d9 {

namespace {

// D3DRS_FILLMODE and D3DRS_SHADEMODE values run 1 to 3 (point, wireframe, solid; flat,
// Gouraud, Phong), D3DRS_BLENDOP values 1 to 5 (add, subtract, reverse subtract, min, max).
constexpr DWORD kFillSolid = 3;
constexpr DWORD kShadeGouraud = 2;
constexpr DWORD kBlendOpAdd = 1;

bool InRange(DWORD value, DWORD low, DWORD high) { return value >= low && value <= high; }

}  // namespace

RenderStates DefaultRenderStates(bool autoDepthBuffer)
{
    RenderStates states{};
    states[D3DRS_ZENABLE] = autoDepthBuffer ? D3DZB_TRUE : D3DZB_FALSE;
    states[D3DRS_FILLMODE] = kFillSolid;
    states[D3DRS_SHADEMODE] = kShadeGouraud;
    states[D3DRS_ZWRITEENABLE] = TRUE;
    states[D3DRS_ALPHATESTENABLE] = FALSE;
    states[D3DRS_SRCBLEND] = D3DBLEND_ONE;
    states[D3DRS_DESTBLEND] = D3DBLEND_ZERO;
    states[D3DRS_CULLMODE] = D3DCULL_CCW;
    states[D3DRS_ZFUNC] = D3DCMP_LESSEQUAL;
    states[D3DRS_ALPHAREF] = 0;
    states[D3DRS_ALPHAFUNC] = D3DCMP_ALWAYS;
    states[D3DRS_DITHERENABLE] = FALSE;
    states[D3DRS_ALPHABLENDENABLE] = FALSE;
    states[D3DRS_FOGENABLE] = FALSE;
    states[D3DRS_SPECULARENABLE] = FALSE;
    states[D3DRS_LIGHTING] = TRUE;
    states[D3DRS_AMBIENT] = 0;
    states[D3DRS_COLORVERTEX] = TRUE;
    states[D3DRS_NORMALIZENORMALS] = FALSE;
    states[D3DRS_DIFFUSEMATERIALSOURCE] = D3DMCS_COLOR1;
    states[D3DRS_SPECULARMATERIALSOURCE] = D3DMCS_COLOR2;
    states[D3DRS_AMBIENTMATERIALSOURCE] = D3DMCS_MATERIAL;
    states[D3DRS_EMISSIVEMATERIALSOURCE] = D3DMCS_MATERIAL;
    states[D3DRS_BLENDOP] = kBlendOpAdd;
    return states;
}

StageStates DefaultStageStates()
{
    StageStates stages{};
    for (UINT stage = 0; stage < kTextureStages; ++stage) {
        auto& states = stages[stage];
        // Only the first stage draws unless told otherwise.
        states[D3DTSS_COLOROP] = stage == 0 ? D3DTOP_MODULATE : D3DTOP_DISABLE;
        states[D3DTSS_COLORARG1] = D3DTA_TEXTURE;
        states[D3DTSS_COLORARG2] = D3DTA_CURRENT;
        states[D3DTSS_ALPHAOP] = stage == 0 ? D3DTOP_SELECTARG1 : D3DTOP_DISABLE;
        states[D3DTSS_ALPHAARG1] = D3DTA_TEXTURE;
        states[D3DTSS_ALPHAARG2] = D3DTA_CURRENT;
        states[D3DTSS_TEXCOORDINDEX] = stage;
    }
    return stages;
}

SamplerStates DefaultSamplerStates()
{
    SamplerStates samplers{};
    for (auto& states : samplers) {
        states[D3DSAMP_ADDRESSU] = D3DTADDRESS_WRAP;
        states[D3DSAMP_ADDRESSV] = D3DTADDRESS_WRAP;
        states[D3DSAMP_MAGFILTER] = D3DTEXF_POINT;
        states[D3DSAMP_MINFILTER] = D3DTEXF_POINT;
        states[D3DSAMP_MIPFILTER] = D3DTEXF_NONE;
    }
    return samplers;
}

D3DLIGHT9 DefaultLight()
{
    D3DLIGHT9 light = {};
    light.Type = D3DLIGHT_DIRECTIONAL;
    light.Diffuse = {1.0f, 1.0f, 1.0f, 0.0f};
    light.Direction = {0.0f, 0.0f, 1.0f};
    return light;
}

bool IsRenderState(D3DRENDERSTATETYPE state)
{
    switch (state) {
    case D3DRS_ZENABLE:
    case D3DRS_FILLMODE:
    case D3DRS_SHADEMODE:
    case D3DRS_ZWRITEENABLE:
    case D3DRS_ALPHATESTENABLE:
    case D3DRS_SRCBLEND:
    case D3DRS_DESTBLEND:
    case D3DRS_CULLMODE:
    case D3DRS_ZFUNC:
    case D3DRS_ALPHAREF:
    case D3DRS_ALPHAFUNC:
    case D3DRS_DITHERENABLE:
    case D3DRS_ALPHABLENDENABLE:
    case D3DRS_FOGENABLE:
    case D3DRS_SPECULARENABLE:
    case D3DRS_LIGHTING:
    case D3DRS_AMBIENT:
    case D3DRS_COLORVERTEX:
    case D3DRS_NORMALIZENORMALS:
    case D3DRS_DIFFUSEMATERIALSOURCE:
    case D3DRS_SPECULARMATERIALSOURCE:
    case D3DRS_AMBIENTMATERIALSOURCE:
    case D3DRS_EMISSIVEMATERIALSOURCE:
    case D3DRS_BLENDOP:
        return true;
    }
    return false;
}

bool IsValidRenderState(D3DRENDERSTATETYPE state, DWORD value)
{
    if (!IsRenderState(state)) return false;
    switch (state) {
    case D3DRS_ZENABLE:
        return value <= D3DZB_TRUE;
    case D3DRS_FILLMODE:
    case D3DRS_SHADEMODE:
        return InRange(value, 1, 3);
    case D3DRS_SRCBLEND:
    case D3DRS_DESTBLEND:
        return InRange(value, D3DBLEND_ZERO, D3DBLEND_SRCALPHASAT);
    case D3DRS_CULLMODE:
        return InRange(value, D3DCULL_NONE, D3DCULL_CCW);
    case D3DRS_ZFUNC:
    case D3DRS_ALPHAFUNC:
        return InRange(value, D3DCMP_NEVER, D3DCMP_ALWAYS);
    case D3DRS_ALPHAREF:
        return value <= 0xFF;
    case D3DRS_DIFFUSEMATERIALSOURCE:
    case D3DRS_SPECULARMATERIALSOURCE:
    case D3DRS_AMBIENTMATERIALSOURCE:
    case D3DRS_EMISSIVEMATERIALSOURCE:
        return value <= D3DMCS_COLOR2;
    case D3DRS_BLENDOP:
        return InRange(value, 1, 5);
    default:
        return true;  // switches (any non-zero value is on) and the ambient colour
    }
}

bool IsStageState(D3DTEXTURESTAGESTATETYPE type)
{
    switch (type) {
    case D3DTSS_COLOROP:
    case D3DTSS_COLORARG1:
    case D3DTSS_COLORARG2:
    case D3DTSS_ALPHAOP:
    case D3DTSS_ALPHAARG1:
    case D3DTSS_ALPHAARG2:
    case D3DTSS_TEXCOORDINDEX:
        return true;
    }
    return false;
}

bool IsValidStageState(D3DTEXTURESTAGESTATETYPE type, DWORD value)
{
    switch (type) {
    case D3DTSS_COLOROP:
    case D3DTSS_ALPHAOP:
        return IsTextureOp(value);
    case D3DTSS_COLORARG1:
    case D3DTSS_COLORARG2:
    case D3DTSS_ALPHAARG1:
    case D3DTSS_ALPHAARG2:
        return IsTextureArg(value);
    case D3DTSS_TEXCOORDINDEX:
        return value < kTextureStages;
    }
    return false;
}

bool IsSamplerState(D3DSAMPLERSTATETYPE type)
{
    switch (type) {
    case D3DSAMP_ADDRESSU:
    case D3DSAMP_ADDRESSV:
    case D3DSAMP_MAGFILTER:
    case D3DSAMP_MINFILTER:
    case D3DSAMP_MIPFILTER:
        return true;
    }
    return false;
}

bool IsValidSamplerState(D3DSAMPLERSTATETYPE type, DWORD value)
{
    switch (type) {
    case D3DSAMP_ADDRESSU:
    case D3DSAMP_ADDRESSV:
        return InRange(value, D3DTADDRESS_WRAP, D3DTADDRESS_CLAMP);
    case D3DSAMP_MAGFILTER:
    case D3DSAMP_MINFILTER:
    case D3DSAMP_MIPFILTER:
        return value <= D3DTEXF_LINEAR;
    }
    return false;
}

}  // namespace d3d9
