// The device's state setters and getters. They only record; the next draw brings OpenGL
// up to date (gl_pipeline.cpp).
#include "gl_device.h"

namespace d3d9 {

namespace {

// Swaps the reference held in `slot` for one on `resource` (which may be null).
template <class Resource>
void Hold(Resource*& slot, Resource* resource)
{
    if (resource) resource->AddRef();
    if (slot) slot->Release();
    slot = resource;
}

}  // namespace

HRESULT GlDevice::SetTransform(D3DTRANSFORMSTATETYPE state, const D3DMATRIX* matrix)
{
    if (!matrix || FAILED(CheckTransform(state))) return D3DERR_INVALIDCALL;
    switch (state) {
    case D3DTS_WORLD:
        world_ = *matrix;
        break;
    case D3DTS_VIEW:
        view_ = *matrix;
        dirty_ |= kDirtyLights;  // lights are given in world space
        break;
    case D3DTS_PROJECTION:
        projection_ = *matrix;
        break;
    default:
        textureMatrices_[state - D3DTS_TEXTURE0] = *matrix;
        return D3D_OK;
    }
    dirty_ |= kDirtyTransforms;
    return D3D_OK;
}

HRESULT GlDevice::GetTransform(D3DTRANSFORMSTATETYPE state, D3DMATRIX* matrix)
{
    if (!matrix || FAILED(CheckTransform(state))) return D3DERR_INVALIDCALL;
    switch (state) {
    case D3DTS_WORLD:
        *matrix = world_;
        return D3D_OK;
    case D3DTS_VIEW:
        *matrix = view_;
        return D3D_OK;
    case D3DTS_PROJECTION:
        *matrix = projection_;
        return D3D_OK;
    default:
        *matrix = textureMatrices_[state - D3DTS_TEXTURE0];
        return D3D_OK;
    }
}

HRESULT GlDevice::SetLight(DWORD index, const D3DLIGHT9* light)
{
    if (FAILED(CheckLight(index, light))) return D3DERR_INVALIDCALL;
    lights_[index] = *light;
    dirty_ |= kDirtyLights;
    return D3D_OK;
}

HRESULT GlDevice::LightEnable(DWORD index, BOOL enable)
{
    if (FAILED(CheckLightIndex(index))) return D3DERR_INVALIDCALL;
    lightEnabled_[index] = enable != FALSE;
    dirty_ |= kDirtyLights;
    return D3D_OK;
}

HRESULT GlDevice::SetMaterial(const D3DMATERIAL9* material)
{
    if (!material) return D3DERR_INVALIDCALL;
    material_ = *material;
    dirty_ |= kDirtyMaterial;
    return D3D_OK;
}

HRESULT GlDevice::GetMaterial(D3DMATERIAL9* material)
{
    if (!material) return D3DERR_INVALIDCALL;
    *material = material_;
    return D3D_OK;
}

HRESULT GlDevice::SetTexture(DWORD stage, IDirect3DBaseTexture9* texture)
{
    if (FAILED(CheckTextureStage(stage))) return D3DERR_INVALIDCALL;
    auto* memory = dynamic_cast<MemoryTexture*>(texture);
    if (texture && !memory) return D3DERR_INVALIDCALL;  // not one of ours
    Hold(textures_[stage], memory);
    return D3D_OK;
}

HRESULT GlDevice::GetTexture(DWORD stage, IDirect3DBaseTexture9** texture)
{
    if (!texture || FAILED(CheckTextureStage(stage))) return D3DERR_INVALIDCALL;
    *texture = textures_[stage];
    if (*texture) (*texture)->AddRef();
    return D3D_OK;
}

HRESULT GlDevice::SetRenderState(D3DRENDERSTATETYPE state, DWORD value)
{
    if (FAILED(CheckRenderState(state, value))) return D3DERR_INVALIDCALL;
    renderStates_[state] = value;
    switch (state) {
    case D3DRS_ALPHABLENDENABLE:
    case D3DRS_SRCBLEND:
    case D3DRS_DESTBLEND:
    case D3DRS_BLENDOP:
        dirty_ |= kDirtyBlend;
        break;
    case D3DRS_ZENABLE:
    case D3DRS_ZWRITEENABLE:
    case D3DRS_ZFUNC:
        dirty_ |= kDirtyDepth;
        break;
    case D3DRS_ALPHATESTENABLE:
    case D3DRS_ALPHAREF:
    case D3DRS_ALPHAFUNC:
        dirty_ |= kDirtyAlphaTest;
        break;
    case D3DRS_SPECULARENABLE:
    case D3DRS_AMBIENT:
        dirty_ |= kDirtyMaterial;
        break;
    default:
        dirty_ |= kDirtyRaster;  // the rest are read at every draw or are raster switches
        break;
    }
    return D3D_OK;
}

HRESULT GlDevice::GetRenderState(D3DRENDERSTATETYPE state, DWORD* value)
{
    if (!value || FAILED(CheckRenderState(state))) return D3DERR_INVALIDCALL;
    *value = renderStates_[state];
    return D3D_OK;
}

HRESULT GlDevice::SetTextureStageState(DWORD stage, D3DTEXTURESTAGESTATETYPE type, DWORD value)
{
    if (FAILED(CheckStageState(stage, type, value))) return D3DERR_INVALIDCALL;
    stageStates_[stage][type] = value;
    dirty_ |= kDirtyStage;
    return D3D_OK;
}

HRESULT GlDevice::GetTextureStageState(DWORD stage, D3DTEXTURESTAGESTATETYPE type, DWORD* value)
{
    if (!value || FAILED(CheckStageState(stage, type))) return D3DERR_INVALIDCALL;
    *value = stageStates_[stage][type];
    return D3D_OK;
}

HRESULT GlDevice::SetSamplerState(DWORD sampler, D3DSAMPLERSTATETYPE type, DWORD value)
{
    if (FAILED(CheckSamplerState(sampler, type, value))) return D3DERR_INVALIDCALL;
    samplerStates_[sampler][type] = value;
    return D3D_OK;
}

HRESULT GlDevice::GetSamplerState(DWORD sampler, D3DSAMPLERSTATETYPE type, DWORD* value)
{
    if (!value || FAILED(CheckSamplerState(sampler, type))) return D3DERR_INVALIDCALL;
    *value = samplerStates_[sampler][type];
    return D3D_OK;
}

HRESULT GlDevice::SetFVF(DWORD fvf)
{
    // 0, the format a device starts with, names no vertex: nothing draws until another is set.
    if (FAILED(CheckVertexFormat(fvf))) return D3DERR_INVALIDCALL;
    fvf_ = fvf;
    return D3D_OK;
}

HRESULT GlDevice::GetFVF(DWORD* fvf)
{
    if (!fvf) return D3DERR_INVALIDCALL;
    *fvf = fvf_;
    return D3D_OK;
}

HRESULT GlDevice::SetStreamSource(UINT stream, IDirect3DVertexBuffer9* buffer, UINT offset, UINT stride)
{
    auto* memory = dynamic_cast<MemoryVertexBuffer*>(buffer);
    if (stream != 0 || (buffer && !memory)) return D3DERR_INVALIDCALL;
    Hold(stream_, memory);
    streamOffset_ = offset;
    streamStride_ = stride;
    return D3D_OK;
}

HRESULT GlDevice::SetIndices(IDirect3DIndexBuffer9* buffer)
{
    auto* memory = dynamic_cast<MemoryIndexBuffer*>(buffer);
    if (buffer && !memory) return D3DERR_INVALIDCALL;
    Hold(indices_, memory);
    return D3D_OK;
}

}  // namespace d3d9
