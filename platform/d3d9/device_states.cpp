// Default and valid values of the device states.
#include "device_states.h"

#include <cmath>

#include "vertex_layout.h"

namespace d3d9 {

namespace {

// What values a render state takes.
enum class Values { Switch, ZBuffer, OneToThree, Blend, Cull, Compare, Byte, MaterialSource, BlendOp, Colour };

struct RenderStateInfo {
    D3DRENDERSTATETYPE state;
    DWORD initial;
    Values values;
};

// D3DRS_FILLMODE starts solid (3), D3DRS_SHADEMODE Gouraud (2), D3DRS_BLENDOP add (1).
const RenderStateInfo kRenderStates[] = {
    {D3DRS_ZENABLE, D3DZB_TRUE, Values::ZBuffer},
    {D3DRS_FILLMODE, 3, Values::OneToThree},
    {D3DRS_SHADEMODE, 2, Values::OneToThree},
    {D3DRS_ZWRITEENABLE, TRUE, Values::Switch},
    {D3DRS_ALPHATESTENABLE, FALSE, Values::Switch},
    {D3DRS_SRCBLEND, D3DBLEND_ONE, Values::Blend},
    {D3DRS_DESTBLEND, D3DBLEND_ZERO, Values::Blend},
    {D3DRS_CULLMODE, D3DCULL_CCW, Values::Cull},
    {D3DRS_ZFUNC, D3DCMP_LESSEQUAL, Values::Compare},
    {D3DRS_ALPHAREF, 0, Values::Byte},
    {D3DRS_ALPHAFUNC, D3DCMP_ALWAYS, Values::Compare},
    {D3DRS_DITHERENABLE, FALSE, Values::Switch},
    {D3DRS_ALPHABLENDENABLE, FALSE, Values::Switch},
    {D3DRS_FOGENABLE, FALSE, Values::Switch},
    {D3DRS_SPECULARENABLE, FALSE, Values::Switch},
    {D3DRS_LIGHTING, TRUE, Values::Switch},
    {D3DRS_AMBIENT, 0, Values::Colour},
    {D3DRS_COLORVERTEX, TRUE, Values::Switch},
    {D3DRS_NORMALIZENORMALS, FALSE, Values::Switch},
    {D3DRS_DIFFUSEMATERIALSOURCE, D3DMCS_COLOR1, Values::MaterialSource},
    {D3DRS_SPECULARMATERIALSOURCE, D3DMCS_COLOR2, Values::MaterialSource},
    {D3DRS_AMBIENTMATERIALSOURCE, D3DMCS_MATERIAL, Values::MaterialSource},
    {D3DRS_EMISSIVEMATERIALSOURCE, D3DMCS_MATERIAL, Values::MaterialSource},
    {D3DRS_BLENDOP, 1, Values::BlendOp},
};

const RenderStateInfo* Find(D3DRENDERSTATETYPE state)
{
    for (const RenderStateInfo& info : kRenderStates)
        if (info.state == state) return &info;
    return nullptr;
}

bool InRange(DWORD value, DWORD low, DWORD high) { return value >= low && value <= high; }

// Colour operations on the D3DTOP scale; arguments are D3DTA values.
bool IsTextureOp(DWORD op) { return op >= D3DTOP_DISABLE && op <= D3DTOP_ADD; }
bool IsTextureArg(DWORD arg) { return arg == D3DTA_DIFFUSE || arg == D3DTA_CURRENT || arg == D3DTA_TEXTURE; }

bool IsRenderState(D3DRENDERSTATETYPE state) { return Find(state) != nullptr; }

bool IsValidRenderState(D3DRENDERSTATETYPE state, DWORD value)
{
    const RenderStateInfo* info = Find(state);
    if (!info) return false;
    switch (info->values) {
    case Values::ZBuffer:
        return value <= D3DZB_TRUE;
    case Values::OneToThree:
        return InRange(value, 1, 3);
    case Values::Blend:
        return InRange(value, D3DBLEND_ZERO, D3DBLEND_SRCALPHASAT);
    case Values::Cull:
        return InRange(value, D3DCULL_NONE, D3DCULL_CCW);
    case Values::Compare:
        return InRange(value, D3DCMP_NEVER, D3DCMP_ALWAYS);
    case Values::Byte:
        return value <= 0xFF;
    case Values::MaterialSource:
        return value <= D3DMCS_COLOR2;
    case Values::BlendOp:
        return InRange(value, 1, 5);
    case Values::Switch:  // any non-zero value is on
    case Values::Colour:
        return true;
    }
    return false;
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

HRESULT Answer(bool accepted) { return accepted ? D3D_OK : D3DERR_INVALIDCALL; }

}  // namespace

HRESULT CheckRenderState(D3DRENDERSTATETYPE state) { return Answer(IsRenderState(state)); }

HRESULT CheckRenderState(D3DRENDERSTATETYPE state, DWORD value) { return Answer(IsValidRenderState(state, value)); }

HRESULT CheckStageState(DWORD stage, D3DTEXTURESTAGESTATETYPE type)
{
    return Answer(stage < kTextureStages && IsStageState(type));
}

HRESULT CheckStageState(DWORD stage, D3DTEXTURESTAGESTATETYPE type, DWORD value)
{
    return Answer(stage < kTextureStages && IsValidStageState(type, value));
}

HRESULT CheckSamplerState(DWORD sampler, D3DSAMPLERSTATETYPE type)
{
    return Answer(sampler < kSamplers && IsSamplerState(type));
}

HRESULT CheckSamplerState(DWORD sampler, D3DSAMPLERSTATETYPE type, DWORD value)
{
    return Answer(sampler < kSamplers && IsValidSamplerState(type, value));
}

HRESULT CheckTransform(D3DTRANSFORMSTATETYPE state)
{
    const bool textureMatrix = state >= D3DTS_TEXTURE0 && state < D3DTS_TEXTURE0 + kTextureStages;
    return Answer(state == D3DTS_WORLD || state == D3DTS_VIEW || state == D3DTS_PROJECTION || textureMatrix);
}

HRESULT CheckTextureStage(DWORD stage) { return Answer(stage < kTextureStages); }

HRESULT CheckLightIndex(DWORD index) { return Answer(index < kLights); }

HRESULT CheckLight(DWORD index, const D3DLIGHT9* light)
{
    if (!light || index >= kLights || light->Type != D3DLIGHT_DIRECTIONAL) return D3DERR_INVALIDCALL;
    const D3DVECTOR& d = light->Direction;
    const bool finite = std::isfinite(d.x) && std::isfinite(d.y) && std::isfinite(d.z);
    return Answer(finite && !(d.x == 0 && d.y == 0 && d.z == 0));
}

HRESULT CheckVertexFormat(DWORD fvf)
{
    VertexLayout layout;
    return Answer(fvf == 0 || DescribeVertexFormat(fvf, &layout));
}

RenderStates DefaultRenderStates(bool autoDepthBuffer)
{
    RenderStates states{};
    for (const RenderStateInfo& info : kRenderStates) states[info.state] = info.initial;
    states[D3DRS_ZENABLE] = autoDepthBuffer ? D3DZB_TRUE : D3DZB_FALSE;
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

}  // namespace d3d9
