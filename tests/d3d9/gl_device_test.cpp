// The OpenGL device: creation, defaults, clears, scenes, depth, culling, clip depth,
// primitive types, reset and present, probed through the back buffer.
#include "d3d9/gl_render_fixture.h"

namespace {

using render_test::GlRenderTest;

// Positions straight in clip space (identity matrices), with a colour, drawn unlit.
struct PlainVertex {
    float x, y, z;
    D3DCOLOR colour;
};

TEST(GlDirect3DTest, RefusesDevicesItCannotMake)
{
    IDirect3D9* direct3d = d3d9::CreateGlDirect3D();
    if (!direct3d) GTEST_SKIP() << "SDL's video cannot start here";
    D3DDISPLAYMODE mode = {};
    ASSERT_EQ(direct3d->GetAdapterDisplayMode(D3DADAPTER_DEFAULT, &mode), D3D_OK);
    EXPECT_TRUE(mode.Format == D3DFMT_X8R8G8B8 || mode.Format == D3DFMT_R5G6B5 || mode.Format == D3DFMT_X1R5G5B5);
    D3DPRESENT_PARAMETERS params = render_test::WindowedParams();
    IDirect3DDevice9* device = reinterpret_cast<IDirect3DDevice9*>(uintptr_t(1));
    // Exactly one kind of vertex processing must be asked for.
    EXPECT_EQ(direct3d->CreateDevice(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, nullptr, 0, &params, &device),
              D3DERR_INVALIDCALL);
    EXPECT_EQ(device, nullptr);
    // Full screen needs a format of its own.
    params.Windowed = FALSE;
    params.BackBufferFormat = D3DFMT_UNKNOWN;
    EXPECT_TRUE(FAILED(direct3d->CreateDevice(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, nullptr,
                                              D3DCREATE_HARDWARE_VERTEXPROCESSING, &params, &device)));
    // The reference device asks Mesa for software rendering only while making its context.
    setenv("LIBGL_ALWAYS_SOFTWARE", "0", 1);
    params = render_test::WindowedParams();
    if (SUCCEEDED(direct3d->CreateDevice(D3DADAPTER_DEFAULT, D3DDEVTYPE_REF, nullptr,
                                         D3DCREATE_SOFTWARE_VERTEXPROCESSING, &params, &device)))
        device->Release();
    EXPECT_STREQ(std::getenv("LIBGL_ALWAYS_SOFTWARE"), "0");
    unsetenv("LIBGL_ALWAYS_SOFTWARE");
    direct3d->Release();
}

TEST_F(GlRenderTest, StartsWithDirect3DsDefaultsAndRefusesBadStates)
{
    const std::pair<D3DRENDERSTATETYPE, DWORD> defaults[] = {
        {D3DRS_ZENABLE, D3DZB_TRUE},     {D3DRS_ZWRITEENABLE, TRUE},     {D3DRS_ZFUNC, D3DCMP_LESSEQUAL},
        {D3DRS_CULLMODE, D3DCULL_CCW},   {D3DRS_LIGHTING, TRUE},         {D3DRS_AMBIENT, 0},
        {D3DRS_SRCBLEND, D3DBLEND_ONE},  {D3DRS_DESTBLEND, D3DBLEND_ZERO}, {D3DRS_ALPHABLENDENABLE, FALSE},
        {D3DRS_COLORVERTEX, TRUE},       {D3DRS_SPECULARENABLE, FALSE},  {D3DRS_NORMALIZENORMALS, FALSE}};
    DWORD value = 0;
    for (const auto& [state, expected] : defaults) {
        EXPECT_EQ(device_->GetRenderState(state, &value), D3D_OK);
        EXPECT_EQ(value, expected) << "render state " << state;
    }
    device_->GetTextureStageState(0, D3DTSS_COLORARG2, &value);
    EXPECT_EQ(value, DWORD(D3DTA_CURRENT));
    device_->GetTextureStageState(0, D3DTSS_ALPHAOP, &value);
    EXPECT_EQ(value, DWORD(D3DTOP_SELECTARG1));

    EXPECT_EQ(device_->SetRenderState(D3DRENDERSTATETYPE(200), 1), D3DERR_INVALIDCALL);
    EXPECT_EQ(device_->SetRenderState(D3DRS_CULLMODE, 7), D3DERR_INVALIDCALL);
    EXPECT_EQ(device_->SetTextureStageState(0, D3DTSS_COLOROP, 99), D3DERR_INVALIDCALL);
    EXPECT_EQ(device_->SetSamplerState(0, D3DSAMP_ADDRESSU, 0), D3DERR_INVALIDCALL);
    EXPECT_EQ(device_->SetFVF(D3DFVF_DIFFUSE), D3DERR_INVALIDCALL);  // no position
    device_->GetRenderState(D3DRS_CULLMODE, &value);
    EXPECT_EQ(value, DWORD(D3DCULL_CCW)) << "a refused value changes nothing";
}

TEST_F(GlRenderTest, ClearsTheWholeTargetOrRectsCountedFromTheTop)
{
    ASSERT_EQ(device_->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, 0xFF102030, 1.0f, 0), D3D_OK);
    const D3DRECT rects[] = {{0, 0, 10, 10}, {630, 470, 700, 500}};
    ASSERT_EQ(device_->Clear(2, rects, D3DCLEAR_TARGET, 0xFFFF0000, 1.0f, 0), D3D_OK);
    const d3d9::Picture picture = Shot();
    ASSERT_EQ(picture.width, 640u);
    ASSERT_EQ(picture.height, 480u);
    EXPECT_EQ(picture.At(9, 9), 0xFFFF0000u);
    EXPECT_EQ(picture.At(10, 9), 0xFF102030u);
    EXPECT_EQ(picture.At(5, 470), 0xFF102030u);
    EXPECT_EQ(picture.At(639, 479), 0xFFFF0000u);  // the part inside the target
    EXPECT_EQ(picture.At(320, 240), 0xFF102030u);

    EXPECT_EQ(device_->Clear(0, nullptr, D3DCLEAR_ZBUFFER, 0, 1.5f, 0), D3DERR_INVALIDCALL);
    EXPECT_EQ(device_->Clear(0, nullptr, D3DCLEAR_STENCIL, 0, 1.0f, 0), D3DERR_INVALIDCALL);  // D16: no stencil
    EXPECT_EQ(device_->Clear(1, nullptr, D3DCLEAR_TARGET, 0, 1.0f, 0), D3DERR_INVALIDCALL);
}

TEST_F(GlRenderTest, ScenesPairAndDrawsNeedOne)
{
    EXPECT_EQ(device_->EndScene(), D3DERR_INVALIDCALL);
    EXPECT_EQ(FillRect(0, 0, 10, 10, 0xFFFFFFFF), D3DERR_INVALIDCALL);
    ASSERT_EQ(device_->BeginScene(), D3D_OK);
    EXPECT_EQ(device_->BeginScene(), D3DERR_INVALIDCALL);
    EXPECT_EQ(device_->EndScene(), D3D_OK);
}

TEST_F(GlRenderTest, DepthTestKeepsTheNearerAndObeysFunctionAndWrites)
{
    ClearTo(0xFF000000);
    device_->BeginScene();
    FillRect(0, 0, 100, 100, 0xFFFF0000, 0.3f);
    FillRect(50, 0, 100, 100, 0xFF00FF00, 0.6f);  // behind the red where they overlap
    device_->SetRenderState(D3DRS_ZWRITEENABLE, FALSE);
    FillRect(200, 0, 50, 50, 0xFF0000FF, 0.2f);   // drawn, but the depth stays 1
    device_->SetRenderState(D3DRS_ZWRITEENABLE, TRUE);
    FillRect(200, 0, 50, 50, 0xFFFFFF00, 0.9f);
    device_->SetRenderState(D3DRS_ZFUNC, D3DCMP_ALWAYS);
    FillRect(300, 0, 50, 50, 0xFFFF0000, 0.1f);
    FillRect(300, 0, 50, 50, 0xFF00FFFF, 0.9f);
    // A depth clear writes depth even while drawing may not.
    device_->SetRenderState(D3DRS_ZFUNC, D3DCMP_LESSEQUAL);
    device_->SetRenderState(D3DRS_ZWRITEENABLE, FALSE);
    FillRect(400, 100, 50, 50, 0xFFFFFFFF, 0.5f);
    device_->Clear(0, nullptr, D3DCLEAR_ZBUFFER, 0, 0.0f, 0);
    FillRect(400, 0, 50, 50, 0xFFFFFFFF, 0.5f);
    device_->EndScene();
    const d3d9::Picture picture = Shot();
    EXPECT_EQ(picture.At(75, 50), 0xFFFF0000u);
    EXPECT_EQ(picture.At(120, 50), 0xFF00FF00u);
    EXPECT_EQ(picture.At(225, 25), 0xFFFFFF00u);
    EXPECT_EQ(picture.At(325, 25), 0xFF00FFFFu);
    EXPECT_EQ(picture.At(425, 25), 0xFF000000u);
}

TEST_F(GlRenderTest, ClipDepthRunsFromZeroToOneAndCullingGoesByTheTurnOnScreen)
{
    ClearTo(0xFF000000);
    device_->SetRenderState(D3DRS_LIGHTING, FALSE);
    device_->SetFVF(D3DFVF_XYZ | D3DFVF_DIFFUSE);
    // Top-left, top-right, bottom-left: clockwise as seen, Direct3D's front.
    const PlainVertex clockwise[] = {{-1, 1, 0.5f, 0xFFFF0000}, {0, 1, 0.5f, 0xFFFF0000}, {-1, 0, 0.5f, 0xFFFF0000}};
    const PlainVertex counter[] = {{0, 1, 0.5f, 0xFF00FF00}, {0, 0, 0.5f, 0xFF00FF00}, {1, 1, 0.5f, 0xFF00FF00}};
    const PlainVertex near[] = {{-1, 0, 0.05f, 0xFF0000FF}, {0, 0, 0.05f, 0xFF0000FF}, {-1, -1, 0.05f, 0xFF0000FF}};
    const PlainVertex before[] = {{0, 0, -0.1f, 0xFFFFFFFF}, {1, 0, -0.1f, 0xFFFFFFFF}, {0, -1, -0.1f, 0xFFFFFFFF}};
    device_->BeginScene();
    for (const PlainVertex* triangle : {clockwise, counter, near, before})
        ASSERT_EQ(device_->DrawPrimitiveUP(D3DPT_TRIANGLELIST, 1, triangle, sizeof(PlainVertex)), D3D_OK);
    device_->SetRenderState(D3DRS_CULLMODE, D3DCULL_CW);
    FillRect(600, 10, 20, 20, 0xFFFFFFFF);  // pre-transformed quads obey the same rule
    device_->EndScene();
    const d3d9::Picture picture = Shot();
    EXPECT_EQ(picture.At(40, 40), 0xFFFF0000u);
    EXPECT_EQ(picture.At(360, 40), 0xFF000000u) << "the default culls counter-clockwise triangles";
    EXPECT_EQ(picture.At(40, 280), 0xFF0000FFu);
    EXPECT_EQ(picture.At(360, 280), 0xFF000000u) << "z below 0 lies before the near plane";
    EXPECT_EQ(picture.At(610, 20), 0xFF000000u);
}

TEST_F(GlRenderTest, ListStripAndFanDrawTheSameQuad)
{
    const D3DCOLOR c = 0xFFFFFFFF;
    const PlainVertex list[] = {{-1, 1, 0.5f, c}, {0, 1, 0.5f, c}, {-1, 0, 0.5f, c},
                                {0, 1, 0.5f, c},  {0, 0, 0.5f, c}, {-1, 0, 0.5f, c}};
    const PlainVertex strip[] = {{-1, 1, 0.5f, c}, {0, 1, 0.5f, c}, {-1, 0, 0.5f, c}, {0, 0, 0.5f, c}};
    const PlainVertex fan[] = {{-1, 1, 0.5f, c}, {0, 1, 0.5f, c}, {0, 0, 0.5f, c}, {-1, 0, 0.5f, c}};
    device_->SetRenderState(D3DRS_LIGHTING, FALSE);
    device_->SetRenderState(D3DRS_CULLMODE, D3DCULL_NONE);
    device_->SetFVF(D3DFVF_XYZ | D3DFVF_DIFFUSE);
    const std::pair<D3DPRIMITIVETYPE, const PlainVertex*> draws[] = {
        {D3DPT_TRIANGLELIST, list}, {D3DPT_TRIANGLESTRIP, strip}, {D3DPT_TRIANGLEFAN, fan}};
    for (const auto& [type, vertices] : draws) {
        ClearTo(0xFF000000);
        device_->BeginScene();
        ASSERT_EQ(device_->DrawPrimitiveUP(type, 2, vertices, sizeof(PlainVertex)), D3D_OK);
        EXPECT_EQ(device_->DrawPrimitiveUP(type, 2, vertices, 8), D3DERR_INVALIDCALL);  // stride too short
        device_->EndScene();
        const d3d9::Picture picture = Shot();
        EXPECT_EQ(picture.At(1, 1), c) << type;
        EXPECT_EQ(picture.At(318, 238), c) << type;
        EXPECT_EQ(picture.At(5, 236), c) << type;
        EXPECT_EQ(picture.At(322, 100), 0xFF000000u) << type;
        EXPECT_EQ(picture.At(100, 242), 0xFF000000u) << type;
    }
}

TEST_F(GlRenderTest, ResetKeepsStatesAndResourcesAndTakesTheNewSize)
{
    IDirect3DTexture9* texture = nullptr;
    ASSERT_EQ(device_->CreateTexture(4, 4, 1, 0, D3DFMT_A8R8G8B8, D3DPOOL_MANAGED, &texture, nullptr), D3D_OK);
    device_->SetTexture(0, texture);
    device_->SetRenderState(D3DRS_CULLMODE, D3DCULL_NONE);
    D3DPRESENT_PARAMETERS params = render_test::WindowedParams(320, 240);
    ASSERT_EQ(device_->Reset(&params), D3D_OK);
    DWORD cull = 0;
    device_->GetRenderState(D3DRS_CULLMODE, &cull);
    EXPECT_EQ(cull, DWORD(D3DCULL_NONE));
    IDirect3DBaseTexture9* bound = nullptr;
    device_->GetTexture(0, &bound);
    EXPECT_EQ(bound, texture);
    if (bound) bound->Release();
    device_->Clear(0, nullptr, D3DCLEAR_TARGET, 0xFF00FF00, 1.0f, 0);
    EXPECT_EQ(Shot().At(319, 239), 0xFF00FF00u);

    params.AutoDepthStencilFormat = D3DFMT_R5G6B5;  // not a depth format: refused, nothing changes
    EXPECT_EQ(device_->Reset(&params), D3DERR_INVALIDCALL);
    EXPECT_EQ(Shot().width, 320u);
    texture->Release();
}

TEST_F(GlRenderTest, PresentTakesTheWholeBackBufferOnly)
{
    device_->Clear(0, nullptr, D3DCLEAR_TARGET, 0xFF336699, 1.0f, 0);
    EXPECT_EQ(device_->Present(nullptr, nullptr, nullptr, nullptr), D3D_OK);
    const RECT part = {0, 0, 10, 10};
    EXPECT_EQ(device_->Present(&part, nullptr, nullptr, nullptr), D3DERR_INVALIDCALL);
    EXPECT_EQ(Shot().At(5, 5), 0xFF336699u) << "presenting leaves the back buffer readable";
}

}  // namespace
