// The device stand-in's calls.
#include "fake_device.h"

#include <cstring>

#include "call_names.h"
#include "device_states.h"
#include "fake_d3d9_state.h"
#include "fake_resources.h"
#include "vertex_layout.h"

namespace fake {

namespace {

Label Colour(const D3DCOLORVALUE& c) { return Fields(c.r, c.g, c.b, c.a); }
Label Vector(const D3DVECTOR& v) { return Fields(v.x, v.y, v.z); }

}  // namespace

FakeDevice::FakeDevice(const D3DPRESENT_PARAMETERS& params)
{
    ++d3d::TheLive().devices;
    d3d::TheDevice() = DeviceState{};
    d3d::TheDevice().created = true;
    d3d::TheDevice().params = params;
}

FakeDevice::~FakeDevice() { --d3d::TheLive().devices; }

ULONG FakeDevice::Release()
{
    Record(Call("Device.Release"));
    return RefCounted::Release();
}

HRESULT FakeDevice::Clear(DWORD rectCount, const D3DRECT* rects, DWORD flags, D3DCOLOR colour, float z,
                          DWORD stencil)
{
    Record(Call("Clear", rectCount, rects, name::ClearFlags(flags), Hex{colour}, z, stencil));
    return D3D_OK;
}

HRESULT FakeDevice::BeginScene()
{
    Record(Call("BeginScene"));
    return d3d::TheScript().failedBeginScenes.count(Frame()) ? D3DERR_INVALIDCALL : D3D_OK;
}

HRESULT FakeDevice::EndScene()
{
    Record(Call("EndScene"));
    return D3D_OK;
}

HRESULT FakeDevice::Present(const RECT* sourceRect, const RECT* destRect, HWND overrideWindow,
                            const void* dirtyRegion)
{
    Record(Call("Present", sourceRect, destRect, overrideWindow, dirtyRegion));
    d3d::Script& script = d3d::TheScript();
    const int frame = script.frame++;
    const bool fail = script.failEveryPresent || script.failedPresents.count(frame);
    // A copy, so that a hook may replace itself.
    PresentHook hook = script.presentHook;
    if (hook) hook(frame);
    return fail ? D3DERR_DEVICELOST : D3D_OK;
}

HRESULT FakeDevice::Reset(D3DPRESENT_PARAMETERS* params)
{
    if (!params) {
        Record(Call("Reset", nullptr));
        return D3DERR_INVALIDCALL;
    }
    Record(Call("Reset", name::PresentParams(*params)));
    d3d::TheDevice().params = *params;
    return D3D_OK;
}

HRESULT FakeDevice::SetTransform(D3DTRANSFORMSTATETYPE state, const D3DMATRIX* matrix)
{
    Record(Call("SetTransform", name::Transform(state)));
    if (!matrix || FAILED(d3d9::CheckTransform(state))) return D3DERR_INVALIDCALL;
    d3d::TheDevice().transforms[state] = *matrix;
    return D3D_OK;
}

HRESULT FakeDevice::GetTransform(D3DTRANSFORMSTATETYPE state, D3DMATRIX* matrix)
{
    if (!matrix || FAILED(d3d9::CheckTransform(state))) return D3DERR_INVALIDCALL;
    *matrix = d3d::TheDevice().Transform(state);
    return D3D_OK;
}

HRESULT FakeDevice::SetLight(DWORD index, const D3DLIGHT9* light)
{
    if (!light) {
        Record(Call("SetLight", index, nullptr));
        return D3DERR_INVALIDCALL;
    }
    Record(Call("SetLight", index, name::LightType(light->Type), Colour(light->Diffuse), Vector(light->Direction)));
    if (FAILED(d3d9::CheckLight(index, light))) return D3DERR_INVALIDCALL;
    d3d::TheDevice().lights[index] = *light;
    return D3D_OK;
}

HRESULT FakeDevice::LightEnable(DWORD index, BOOL enable)
{
    Record(Call("LightEnable", index, name::Bool(enable)));
    if (FAILED(d3d9::CheckLightIndex(index))) return D3DERR_INVALIDCALL;
    d3d::TheDevice().lightsEnabled[index] = enable != FALSE;
    return D3D_OK;
}

HRESULT FakeDevice::SetMaterial(const D3DMATERIAL9* material)
{
    if (!material) {
        Record(Call("SetMaterial", nullptr));
        return D3DERR_INVALIDCALL;
    }
    Record(Call("SetMaterial", Colour(material->Diffuse), Colour(material->Ambient), material->Power));
    d3d::TheDevice().material = *material;
    return D3D_OK;
}

HRESULT FakeDevice::GetMaterial(D3DMATERIAL9* material)
{
    if (!material) return D3DERR_INVALIDCALL;
    *material = d3d::TheDevice().material;
    return D3D_OK;
}

HRESULT FakeDevice::SetTexture(DWORD stage, IDirect3DBaseTexture9* texture)
{
    Record(Call("SetTexture", stage, Label{TextureLabel(texture)}));
    if (FAILED(d3d9::CheckTextureStage(stage))) return D3DERR_INVALIDCALL;
    d3d::TheDevice().textures[stage] = texture;
    return D3D_OK;
}

HRESULT FakeDevice::GetTexture(DWORD stage, IDirect3DBaseTexture9** texture)
{
    if (!texture || FAILED(d3d9::CheckTextureStage(stage))) return D3DERR_INVALIDCALL;
    auto found = d3d::TheDevice().textures.find(stage);
    *texture = found == d3d::TheDevice().textures.end() ? nullptr : found->second;
    if (*texture) (*texture)->AddRef();
    return D3D_OK;
}

HRESULT FakeDevice::SetRenderState(D3DRENDERSTATETYPE state, DWORD value)
{
    Record(Call("SetRenderState", name::RenderState(state), name::RenderStateValue(state, value)));
    if (FAILED(d3d9::CheckRenderState(state, value))) return D3DERR_INVALIDCALL;
    d3d::TheDevice().renderStates[state] = value;
    return D3D_OK;
}

HRESULT FakeDevice::GetRenderState(D3DRENDERSTATETYPE state, DWORD* value)
{
    if (!value || FAILED(d3d9::CheckRenderState(state))) return D3DERR_INVALIDCALL;
    *value = d3d::TheDevice().RenderState(state);
    return D3D_OK;
}

HRESULT FakeDevice::SetTextureStageState(DWORD stage, D3DTEXTURESTAGESTATETYPE type, DWORD value)
{
    Record(Call("SetTextureStageState", stage, name::StageState(type), name::StageStateValue(type, value)));
    if (FAILED(d3d9::CheckStageState(stage, type, value))) return D3DERR_INVALIDCALL;
    d3d::TheDevice().stageStates[{stage, type}] = value;
    return D3D_OK;
}

HRESULT FakeDevice::GetTextureStageState(DWORD stage, D3DTEXTURESTAGESTATETYPE type, DWORD* value)
{
    if (!value || FAILED(d3d9::CheckStageState(stage, type))) return D3DERR_INVALIDCALL;
    *value = d3d::TheDevice().StageState(stage, type);
    return D3D_OK;
}

HRESULT FakeDevice::SetSamplerState(DWORD sampler, D3DSAMPLERSTATETYPE type, DWORD value)
{
    Record(Call("SetSamplerState", sampler, name::SamplerState(type), name::SamplerStateValue(type, value)));
    if (FAILED(d3d9::CheckSamplerState(sampler, type, value))) return D3DERR_INVALIDCALL;
    d3d::TheDevice().samplerStates[{sampler, type}] = value;
    return D3D_OK;
}

HRESULT FakeDevice::GetSamplerState(DWORD sampler, D3DSAMPLERSTATETYPE type, DWORD* value)
{
    if (!value || FAILED(d3d9::CheckSamplerState(sampler, type))) return D3DERR_INVALIDCALL;
    *value = d3d::TheDevice().SamplerState(sampler, type);
    return D3D_OK;
}

HRESULT FakeDevice::SetFVF(DWORD fvf)
{
    Record(Call("SetFVF", name::Fvf(fvf)));
    if (FAILED(d3d9::CheckVertexFormat(fvf))) return D3DERR_INVALIDCALL;
    d3d::TheDevice().fvf = fvf;
    return D3D_OK;
}

HRESULT FakeDevice::GetFVF(DWORD* fvf)
{
    if (!fvf) return D3DERR_INVALIDCALL;
    *fvf = d3d::TheDevice().fvf;
    return D3D_OK;
}

HRESULT FakeDevice::DrawPrimitiveUP(D3DPRIMITIVETYPE type, UINT primitiveCount, const void* vertices, UINT stride)
{
    Record(Call("DrawPrimitiveUP", name::Primitive(type), primitiveCount, stride));
    UINT vertexCount = d3d9::VerticesForPrimitives(type, primitiveCount);
    if (!vertices || vertexCount == 0 || stride == 0) return D3DERR_INVALIDCALL;
    const auto* bytes = static_cast<const uint8_t*>(vertices);
    d3d::TheDevice().lastVertices.assign(bytes, bytes + size_t(vertexCount) * stride);
    return D3D_OK;
}

HRESULT FakeDevice::CreateTexture(UINT width, UINT height, UINT levels, DWORD usage, D3DFORMAT format,
                                  D3DPOOL pool, IDirect3DTexture9** texture, HANDLE*)
{
    Record(Call("CreateTexture", width, height, levels, name::Usage(usage), name::Format(format), name::Pool(pool)));
    if (!texture) return D3DERR_INVALIDCALL;
    *texture = nullptr;
    HRESULT checked = d3d9::CheckTextureArgs(width, height, levels, format);
    if (FAILED(checked)) return checked;
    *texture = new FakeTexture(this, width, height, format, pool);
    return D3D_OK;
}

HRESULT FakeDevice::CreateVertexBuffer(UINT length, DWORD usage, DWORD fvf, D3DPOOL pool,
                                       IDirect3DVertexBuffer9** buffer, HANDLE*)
{
    Record(Call("CreateVertexBuffer", length, name::Usage(usage), name::Fvf(fvf), name::Pool(pool)));
    if (!buffer) return D3DERR_INVALIDCALL;
    *buffer = nullptr;
    HRESULT checked = d3d9::CheckVertexBufferArgs(length);
    if (FAILED(checked)) return checked;
    *buffer = new FakeVertexBuffer(this, length, usage, fvf, pool);
    return D3D_OK;
}

HRESULT FakeDevice::CreateIndexBuffer(UINT length, DWORD usage, D3DFORMAT format, D3DPOOL pool,
                                      IDirect3DIndexBuffer9** buffer, HANDLE*)
{
    Record(Call("CreateIndexBuffer", length, name::Usage(usage), name::Format(format), name::Pool(pool)));
    if (!buffer) return D3DERR_INVALIDCALL;
    *buffer = nullptr;
    HRESULT checked = d3d9::CheckIndexBufferArgs(length, format);
    if (FAILED(checked)) return checked;
    *buffer = new FakeIndexBuffer(this, length, usage, format, pool);
    return D3D_OK;
}

HRESULT FakeDevice::SetStreamSource(UINT stream, IDirect3DVertexBuffer9* buffer, UINT offset, UINT stride)
{
    Record(Call("SetStreamSource", stream, Label{d3d::BufferLabel(buffer)}, offset, stride));
    return D3D_OK;
}

HRESULT FakeDevice::SetIndices(IDirect3DIndexBuffer9* buffer)
{
    Record(Call("SetIndices", Label{d3d::BufferLabel(buffer)}));
    return D3D_OK;
}

HRESULT FakeDevice::DrawIndexedPrimitive(D3DPRIMITIVETYPE type, INT baseVertex, UINT minIndex, UINT vertexCount,
                                         UINT startIndex, UINT primitiveCount)
{
    Record(Call("DrawIndexedPrimitive", name::Primitive(type), baseVertex, minIndex, vertexCount, startIndex,
                primitiveCount));
    return D3D_OK;
}

}  // namespace fake
