// The states a new OpenGL device starts with, and what it refuses.
#include "d3d9/gl_render_fixture.h"
#include "device_states.h"

namespace {

using render_test::GlRenderTest;

TEST_F(GlRenderTest, StartsWithDirect3DsDefaults)
{
    struct Expected {
        D3DRENDERSTATETYPE state;
        DWORD value;
    };
    const Expected renderStates[] = {
        {D3DRS_ZENABLE, D3DZB_TRUE},        {D3DRS_ZWRITEENABLE, TRUE},      {D3DRS_ZFUNC, D3DCMP_LESSEQUAL},
        {D3DRS_CULLMODE, D3DCULL_CCW},      {D3DRS_LIGHTING, TRUE},          {D3DRS_AMBIENT, 0},
        {D3DRS_ALPHABLENDENABLE, FALSE},    {D3DRS_SRCBLEND, D3DBLEND_ONE},  {D3DRS_DESTBLEND, D3DBLEND_ZERO},
        {D3DRS_SPECULARENABLE, FALSE},      {D3DRS_COLORVERTEX, TRUE},       {D3DRS_NORMALIZENORMALS, FALSE},
        {D3DRS_ALPHAFUNC, D3DCMP_ALWAYS},   {D3DRS_DIFFUSEMATERIALSOURCE, D3DMCS_COLOR1},
    };
    for (const Expected& expected : renderStates) {
        DWORD value = 12345;
        EXPECT_EQ(device_->GetRenderState(expected.state, &value), D3D_OK);
        EXPECT_EQ(value, expected.value) << "render state " << expected.state;
    }
    DWORD value = 0;
    device_->GetTextureStageState(0, D3DTSS_COLOROP, &value);
    EXPECT_EQ(value, DWORD(D3DTOP_MODULATE));
    device_->GetTextureStageState(0, D3DTSS_ALPHAOP, &value);
    EXPECT_EQ(value, DWORD(D3DTOP_SELECTARG1));
    device_->GetTextureStageState(0, D3DTSS_COLORARG2, &value);
    EXPECT_EQ(value, DWORD(D3DTA_CURRENT));
    device_->GetTextureStageState(1, D3DTSS_COLOROP, &value);
    EXPECT_EQ(value, DWORD(D3DTOP_DISABLE));
    device_->GetSamplerState(0, D3DSAMP_MINFILTER, &value);
    EXPECT_EQ(value, DWORD(D3DTEXF_POINT));
    device_->GetSamplerState(0, D3DSAMP_ADDRESSU, &value);
    EXPECT_EQ(value, DWORD(D3DTADDRESS_WRAP));
    D3DMATRIX world = {};
    device_->GetTransform(D3DTS_WORLD, &world);
    EXPECT_EQ(world._11, 1.0f);
    EXPECT_EQ(world._44, 1.0f);
    EXPECT_EQ(world._41, 0.0f);
}

TEST_F(GlRenderTest, RefusedStatesChangeNothing)
{
    EXPECT_EQ(device_->SetRenderState(D3DRENDERSTATETYPE(200), 1), D3DERR_INVALIDCALL);
    EXPECT_EQ(device_->SetRenderState(D3DRS_CULLMODE, 7), D3DERR_INVALIDCALL);
    EXPECT_EQ(device_->SetRenderState(D3DRS_ZFUNC, 0), D3DERR_INVALIDCALL);
    EXPECT_EQ(device_->SetTextureStageState(0, D3DTSS_COLOROP, 99), D3DERR_INVALIDCALL);
    EXPECT_EQ(device_->SetTextureStageState(8, D3DTSS_COLOROP, D3DTOP_MODULATE), D3DERR_INVALIDCALL);
    EXPECT_EQ(device_->SetSamplerState(0, D3DSAMP_ADDRESSU, 0), D3DERR_INVALIDCALL);
    EXPECT_EQ(device_->SetTransform(D3DTRANSFORMSTATETYPE(1), nullptr), D3DERR_INVALIDCALL);
    EXPECT_EQ(device_->SetFVF(D3DFVF_DIFFUSE), D3DERR_INVALIDCALL);  // no position
    DWORD value = 0;
    device_->GetRenderState(D3DRS_CULLMODE, &value);
    EXPECT_EQ(value, DWORD(D3DCULL_CCW));
    device_->GetRenderState(D3DRS_ZFUNC, &value);
    EXPECT_EQ(value, DWORD(D3DCMP_LESSEQUAL));
    device_->GetSamplerState(0, D3DSAMP_ADDRESSU, &value);
    EXPECT_EQ(value, DWORD(D3DTADDRESS_WRAP));
    EXPECT_EQ(device_->GetRenderState(D3DRS_CULLMODE, nullptr), D3DERR_INVALIDCALL);
}

TEST(DeviceStatesTest, DepthTestingStartsOnOnlyWithADepthBuffer)
{
    EXPECT_EQ(d3d9::DefaultRenderStates(true)[D3DRS_ZENABLE], DWORD(D3DZB_TRUE));
    EXPECT_EQ(d3d9::DefaultRenderStates(false)[D3DRS_ZENABLE], DWORD(D3DZB_FALSE));
}

}  // namespace
