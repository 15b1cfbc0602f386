// The device stand-in refuses exactly the state changes the OpenGL device refuses, with the
// same answer, and a refused change leaves the state as it was on both.
#include <functional>

#include "d3d9/gl_render_fixture.h"
#include "fake/fake_device.h"

namespace {

enum class Kind { Render, Stage, Sampler };

struct StateRow {
    Kind kind;
    DWORD unit;  // texture stage or sampler
    DWORD type;
    DWORD value;
    HRESULT expected;
};

HRESULT Set(IDirect3DDevice9* device, const StateRow& row)
{
    switch (row.kind) {
    case Kind::Render:
        return device->SetRenderState(D3DRENDERSTATETYPE(row.type), row.value);
    case Kind::Stage:
        return device->SetTextureStageState(row.unit, D3DTEXTURESTAGESTATETYPE(row.type), row.value);
    case Kind::Sampler:
        return device->SetSamplerState(row.unit, D3DSAMPLERSTATETYPE(row.type), row.value);
    }
    return E_FAIL;
}

HRESULT Get(IDirect3DDevice9* device, const StateRow& row, DWORD* value)
{
    switch (row.kind) {
    case Kind::Render:
        return device->GetRenderState(D3DRENDERSTATETYPE(row.type), value);
    case Kind::Stage:
        return device->GetTextureStageState(row.unit, D3DTEXTURESTAGESTATETYPE(row.type), value);
    case Kind::Sampler:
        return device->GetSamplerState(row.unit, D3DSAMPLERSTATETYPE(row.type), value);
    }
    return E_FAIL;
}

constexpr HRESULT kOk = D3D_OK;
constexpr HRESULT kNo = D3DERR_INVALIDCALL;

const StateRow kStates[] = {
    {Kind::Render, 0, D3DRS_ZENABLE, D3DZB_FALSE, kOk},
    {Kind::Render, 0, D3DRS_ZENABLE, 2, kNo},  // W-buffering is not ours
    {Kind::Render, 0, D3DRS_FILLMODE, 0, kNo},
    {Kind::Render, 0, D3DRS_ZWRITEENABLE, 7, kOk},  // any non-zero switch is on
    {Kind::Render, 0, D3DRS_SRCBLEND, D3DBLEND_SRCALPHA, kOk},
    {Kind::Render, 0, D3DRS_SRCBLEND, D3DBLEND_SRCALPHASAT, kOk},
    {Kind::Render, 0, D3DRS_DESTBLEND, 0, kNo},
    {Kind::Render, 0, D3DRS_DESTBLEND, 12, kNo},
    {Kind::Render, 0, D3DRS_CULLMODE, D3DCULL_NONE, kOk},
    {Kind::Render, 0, D3DRS_CULLMODE, 4, kNo},
    {Kind::Render, 0, D3DRS_ZFUNC, D3DCMP_ALWAYS, kOk},
    {Kind::Render, 0, D3DRS_ZFUNC, 9, kNo},
    {Kind::Render, 0, D3DRS_ALPHAREF, 0xFF, kOk},
    {Kind::Render, 0, D3DRS_ALPHAREF, 0x100, kNo},
    {Kind::Render, 0, D3DRS_AMBIENT, 0xFF203040, kOk},
    {Kind::Render, 0, D3DRS_DIFFUSEMATERIALSOURCE, 3, kNo},
    {Kind::Render, 0, D3DRS_BLENDOP, 6, kNo},
    {Kind::Render, 0, 200, 1, kNo},  // a state this game never names
    {Kind::Stage, 0, D3DTSS_ALPHAOP, D3DTOP_MODULATE, kOk},
    {Kind::Stage, 0, D3DTSS_COLOROP, 0, kNo},
    {Kind::Stage, 0, D3DTSS_COLOROP, 99, kNo},
    {Kind::Stage, 0, D3DTSS_ALPHAARG2, D3DTA_DIFFUSE, kOk},
    {Kind::Stage, 0, D3DTSS_COLORARG1, 3, kNo},
    {Kind::Stage, 7, D3DTSS_TEXCOORDINDEX, 7, kOk},
    {Kind::Stage, 0, D3DTSS_TEXCOORDINDEX, 8, kNo},
    {Kind::Stage, 8, D3DTSS_COLOROP, D3DTOP_MODULATE, kNo},  // no ninth stage
    {Kind::Stage, 0, 9, 0, kNo},
    {Kind::Sampler, 0, D3DSAMP_MIPFILTER, D3DTEXF_LINEAR, kOk},
    {Kind::Sampler, 0, D3DSAMP_MAGFILTER, 3, kNo},
    {Kind::Sampler, 15, D3DSAMP_ADDRESSU, D3DTADDRESS_CLAMP, kOk},
    {Kind::Sampler, 0, D3DSAMP_ADDRESSV, 0, kNo},
    {Kind::Sampler, 16, D3DSAMP_MINFILTER, D3DTEXF_LINEAR, kNo},  // no seventeenth sampler
    {Kind::Sampler, 0, 3, 0, kNo},
};

D3DLIGHT9 Light(D3DLIGHTTYPE type, D3DVECTOR direction)
{
    D3DLIGHT9 light = {};
    light.Type = type;
    light.Direction = direction;
    return light;
}

const D3DMATRIX kMatrix = {};
const D3DLIGHT9 kDownLight = Light(D3DLIGHT_DIRECTIONAL, {0, -1, 0});
const D3DLIGHT9 kPointLight = Light(D3DLIGHT_POINT, {0, -1, 0});
const D3DLIGHT9 kNowhereLight = Light(D3DLIGHT_DIRECTIONAL, {0, 0, 0});

struct CallRow {
    const char* name;
    std::function<HRESULT(IDirect3DDevice9*)> call;
    HRESULT expected;
};

const CallRow kCalls[] = {
    {"SetTransform(WORLD)", [](IDirect3DDevice9* d) { return d->SetTransform(D3DTS_WORLD, &kMatrix); }, kOk},
    {"SetTransform(TEXTURE7)",
     [](IDirect3DDevice9* d) { return d->SetTransform(D3DTRANSFORMSTATETYPE(D3DTS_TEXTURE0 + 7), &kMatrix); }, kOk},
    {"SetTransform(TEXTURE8)",
     [](IDirect3DDevice9* d) { return d->SetTransform(D3DTRANSFORMSTATETYPE(D3DTS_TEXTURE0 + 8), &kMatrix); }, kNo},
    {"SetTransform(WORLDMATRIX(1))", [](IDirect3DDevice9* d) { return d->SetTransform(D3DTS_WORLDMATRIX(1), &kMatrix); },
     kNo},
    {"SetTransform(null)", [](IDirect3DDevice9* d) { return d->SetTransform(D3DTS_VIEW, nullptr); }, kNo},
    {"SetLight(directional)", [](IDirect3DDevice9* d) { return d->SetLight(7, &kDownLight); }, kOk},
    {"SetLight(index 8)", [](IDirect3DDevice9* d) { return d->SetLight(8, &kDownLight); }, kNo},
    {"SetLight(point)", [](IDirect3DDevice9* d) { return d->SetLight(0, &kPointLight); }, kNo},
    {"SetLight(no direction)", [](IDirect3DDevice9* d) { return d->SetLight(0, &kNowhereLight); }, kNo},
    {"LightEnable(8)", [](IDirect3DDevice9* d) { return d->LightEnable(8, TRUE); }, kNo},
    {"SetTexture(7)", [](IDirect3DDevice9* d) { return d->SetTexture(7, nullptr); }, kOk},
    {"SetTexture(8)", [](IDirect3DDevice9* d) { return d->SetTexture(8, nullptr); }, kNo},
    {"SetFVF(0)", [](IDirect3DDevice9* d) { return d->SetFVF(0); }, kOk},
    {"SetFVF(XYZ|NORMAL|TEX1)", [](IDirect3DDevice9* d) { return d->SetFVF(0x112); }, kOk},
    {"SetFVF(DIFFUSE)", [](IDirect3DDevice9* d) { return d->SetFVF(D3DFVF_DIFFUSE); }, kNo},
};

class RefusalsTest : public render_test::GlRenderTest {
protected:
    void TearDown() override
    {
        if (standIn_) standIn_->Release();
        GlRenderTest::TearDown();
    }

    IDirect3DDevice9* standIn_ = new fake::FakeDevice(render_test::WindowedParams());
};

TEST_F(RefusalsTest, TheStandInRefusesWhatTheOpenGlDeviceRefuses)
{
    for (const StateRow& row : kStates) {
        SCOPED_TRACE(::testing::Message() << "kind " << int(row.kind) << ", unit " << row.unit << ", type "
                                          << row.type << ", value " << row.value);
        for (IDirect3DDevice9* device : {device_, standIn_}) {
            DWORD before = 0xDEADBEEF;
            const HRESULT readable = Get(device, row, &before);
            EXPECT_EQ(Set(device, row), row.expected) << (device == standIn_ ? "stand-in" : "OpenGL");
            DWORD after = 0xDEADBEEF;
            EXPECT_EQ(Get(device, row, &after), readable);
            EXPECT_EQ(after, row.expected == kOk ? row.value : before) << "a refused value changes nothing";
        }
    }
    for (const CallRow& row : kCalls) {
        EXPECT_EQ(row.call(device_), row.expected) << row.name << " on OpenGL";
        EXPECT_EQ(row.call(standIn_), row.expected) << row.name << " on the stand-in";
    }
}

}  // namespace
