// The OpenGL device: creation, clears, scenes, depth, culling, clip depth, primitive types,
// reset and present, probed through the back buffer.
#include "d3d9/gl_render_fixture.h"

namespace {

using render_test::GlRenderTest;
using render_test::Near;

TEST(GlDirect3DTest, RefusesWhatItCannotMake)
{
    IDirect3D9* direct3d = d3d9::CreateGlDirect3D();
    if (!direct3d) GTEST_SKIP() << "SDL's video cannot start here";
    D3DDISPLAYMODE mode = {};
    ASSERT_EQ(direct3d->GetAdapterDisplayMode(D3DADAPTER_DEFAULT, &mode), D3D_OK);
    EXPECT_GT(mode.Width, 0u);
    EXPECT_TRUE(mode.Format == D3DFMT_X8R8G8B8 || mode.Format == D3DFMT_R5G6B5 || mode.Format == D3DFMT_X1R5G5B5);
    EXPECT_EQ(direct3d->GetAdapterDisplayMode(1, &mode), D3DERR_INVALIDCALL);

    D3DPRESENT_PARAMETERS params = render_test::WindowedParams();
    IDirect3DDevice9* device = reinterpret_cast<IDirect3DDevice9*>(uintptr_t(1));
    EXPECT_EQ(direct3d->CreateDevice(1, D3DDEVTYPE_HAL, nullptr, D3DCREATE_HARDWARE_VERTEXPROCESSING, &params,
                                     &device),
              D3DERR_INVALIDCALL);
    EXPECT_EQ(device, nullptr);
    // Exactly one kind of vertex processing must be asked for.
    EXPECT_TRUE(FAILED(direct3d->CreateDevice(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, nullptr, 0, &params, &device)));
    EXPECT_TRUE(FAILED(direct3d->CreateDevice(
        D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, nullptr,
        D3DCREATE_HARDWARE_VERTEXPROCESSING | D3DCREATE_SOFTWARE_VERTEXPROCESSING, &params, &device)));
    // Full screen needs a format and a size of its own.
    params.Windowed = FALSE;
    params.BackBufferFormat = D3DFMT_UNKNOWN;
    EXPECT_TRUE(FAILED(direct3d->CreateDevice(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, nullptr,
                                              D3DCREATE_HARDWARE_VERTEXPROCESSING, &params, &device)));
    EXPECT_EQ(device, nullptr);
    direct3d->Release();
}

TEST_F(GlRenderTest, ClearsTheWholeTargetOrRectsCountedFromTheTop)
{
    ASSERT_EQ(device_->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, 0xFF102030, 1.0f, 0), D3D_OK);
    d3d9::Picture picture = Shot();
    ASSERT_EQ(picture.width, 640u);
    ASSERT_EQ(picture.height, 480u);
    EXPECT_EQ(picture.At(0, 0), 0xFF102030u);
    EXPECT_EQ(picture.At(639, 479), 0xFF102030u);

    const D3DRECT rects[] = {{0, 0, 10, 10}, {630, 470, 700, 500}};
    ASSERT_EQ(device_->Clear(2, rects, D3DCLEAR_TARGET, 0xFFFF0000, 1.0f, 0), D3D_OK);
    picture = Shot();
    EXPECT_EQ(picture.At(0, 0), 0xFFFF0000u);
    EXPECT_EQ(picture.At(9, 9), 0xFFFF0000u);
    EXPECT_EQ(picture.At(10, 9), 0xFF102030u);
    EXPECT_EQ(picture.At(5, 470), 0xFF102030u);
    EXPECT_EQ(picture.At(639, 479), 0xFFFF0000u);  // the part inside the target
}

TEST_F(GlRenderTest, RefusesClearsItCannotDo)
{
    device_->Clear(0, nullptr, D3DCLEAR_TARGET, 0xFF000000, 1.0f, 0);
    EXPECT_EQ(device_->Clear(0, nullptr, D3DCLEAR_ZBUFFER, 0, 1.5f, 0), D3DERR_INVALIDCALL);
    EXPECT_EQ(device_->Clear(0, nullptr, D3DCLEAR_STENCIL, 0, 1.0f, 0), D3DERR_INVALIDCALL);  // D16: no stencil
    EXPECT_EQ(device_->Clear(1, nullptr, D3DCLEAR_TARGET, 0xFFFFFFFF, 1.0f, 0), D3DERR_INVALIDCALL);
    EXPECT_EQ(device_->Clear(0, nullptr, 0, 0xFFFFFFFF, 1.0f, 0), D3DERR_INVALIDCALL);
    EXPECT_EQ(Shot().At(320, 240), 0xFF000000u);
}

TEST_F(GlRenderTest, ScenesPairAndDrawsNeedOne)
{
    EXPECT_EQ(device_->EndScene(), D3DERR_INVALIDCALL);
    EXPECT_EQ(FillRect(0, 0, 10, 10, 0xFFFFFFFF), D3DERR_INVALIDCALL);
    ASSERT_EQ(device_->BeginScene(), D3D_OK);
    EXPECT_EQ(device_->BeginScene(), D3DERR_INVALIDCALL);
    EXPECT_EQ(device_->EndScene(), D3D_OK);
    EXPECT_EQ(device_->EndScene(), D3DERR_INVALIDCALL);
}

TEST_F(GlRenderTest, PretransformedQuadCoversWholePixelsExactly)
{
    device_->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, 0xFF000000, 1.0f, 0);
    device_->BeginScene();
    ASSERT_EQ(FillRect(100, 50, 20, 10, 0xFF00FF00), D3D_OK);
    device_->EndScene();
    const d3d9::Picture picture = Shot();
    EXPECT_EQ(picture.At(100, 50), 0xFF00FF00u);
    EXPECT_EQ(picture.At(119, 59), 0xFF00FF00u);
    EXPECT_EQ(picture.At(99, 50), 0xFF000000u);
    EXPECT_EQ(picture.At(120, 50), 0xFF000000u);
    EXPECT_EQ(picture.At(100, 49), 0xFF000000u);
    EXPECT_EQ(picture.At(100, 60), 0xFF000000u);
}

TEST_F(GlRenderTest, DepthTestKeepsTheNearerAndObeysFunctionAndWrites)
{
    device_->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, 0xFF000000, 1.0f, 0);
    device_->SetRenderState(D3DRS_LIGHTING, FALSE);
    device_->BeginScene();
    FillRect(0, 0, 100, 100, 0xFFFF0000, 0.3f);
    FillRect(50, 0, 100, 100, 0xFF00FF00, 0.6f);  // behind the red where they overlap
    device_->SetRenderState(D3DRS_ZWRITEENABLE, FALSE);
    FillRect(200, 0, 50, 50, 0xFF0000FF, 0.2f);   // drawn, but leaves the depth at 1
    device_->SetRenderState(D3DRS_ZWRITEENABLE, TRUE);
    FillRect(200, 0, 50, 50, 0xFFFFFF00, 0.9f);   // so this still passes
    device_->SetRenderState(D3DRS_ZFUNC, D3DCMP_ALWAYS);
    FillRect(300, 0, 50, 50, 0xFFFF0000, 0.1f);
    FillRect(300, 0, 50, 50, 0xFF00FFFF, 0.9f);
    device_->EndScene();
    const d3d9::Picture picture = Shot();
    EXPECT_EQ(picture.At(75, 50), 0xFFFF0000u);
    EXPECT_EQ(picture.At(120, 50), 0xFF00FF00u);
    EXPECT_EQ(picture.At(225, 25), 0xFFFFFF00u);
    EXPECT_EQ(picture.At(325, 25), 0xFF00FFFFu);
}

// World-space triangles with identity matrices: clip space is the vertex itself.
struct PlainVertex {
    float x, y, z;
    D3DCOLOR colour;
};

TEST_F(GlRenderTest, ClipDepthRunsFromZeroToOne)
{
    device_->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, 0xFF000000, 1.0f, 0);
    device_->SetRenderState(D3DRS_LIGHTING, FALSE);
    device_->SetRenderState(D3DRS_CULLMODE, D3DCULL_NONE);
    device_->SetFVF(D3DFVF_XYZ | D3DFVF_DIFFUSE);
    const PlainVertex behind[] = {{-1, 1, -0.1f, 0xFFFF0000}, {0, 1, -0.1f, 0xFFFF0000}, {-1, 0, -0.1f, 0xFFFF0000}};
    const PlainVertex inside[] = {{0, 1, 0.05f, 0xFF00FF00}, {1, 1, 0.05f, 0xFF00FF00}, {0, 0, 0.05f, 0xFF00FF00}};
    device_->BeginScene();
    ASSERT_EQ(device_->DrawPrimitiveUP(D3DPT_TRIANGLELIST, 1, behind, sizeof(PlainVertex)), D3D_OK);
    ASSERT_EQ(device_->DrawPrimitiveUP(D3DPT_TRIANGLELIST, 1, inside, sizeof(PlainVertex)), D3D_OK);
    device_->EndScene();
    const d3d9::Picture picture = Shot();
    EXPECT_EQ(picture.At(40, 40), 0xFF000000u) << "z below 0 lies before the near plane";
    EXPECT_EQ(picture.At(360, 40), 0xFF00FF00u);
}

TEST_F(GlRenderTest, CullsByTheTurnOnTheScreen)
{
    device_->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, 0xFF000000, 1.0f, 0);
    device_->SetRenderState(D3DRS_LIGHTING, FALSE);
    device_->SetFVF(D3DFVF_XYZ | D3DFVF_DIFFUSE);
    // Top-left, top-right, bottom-left: clockwise as seen; the reverse order turns the other way.
    const PlainVertex clockwise[] = {{-1, 1, 0.5f, 0xFFFF0000}, {0, 1, 0.5f, 0xFFFF0000}, {-1, 0, 0.5f, 0xFFFF0000}};
    const PlainVertex counter[] = {{0, 1, 0.5f, 0xFF00FF00}, {0, 0, 0.5f, 0xFF00FF00}, {1, 1, 0.5f, 0xFF00FF00}};
    device_->BeginScene();
    device_->DrawPrimitiveUP(D3DPT_TRIANGLELIST, 1, clockwise, sizeof(PlainVertex));  // default: CCW culled
    device_->DrawPrimitiveUP(D3DPT_TRIANGLELIST, 1, counter, sizeof(PlainVertex));
    device_->EndScene();
    d3d9::Picture picture = Shot();
    EXPECT_EQ(picture.At(40, 40), 0xFFFF0000u);
    EXPECT_EQ(picture.At(360, 40), 0xFF000000u);

    device_->Clear(0, nullptr, D3DCLEAR_TARGET, 0xFF000000, 1.0f, 0);
    device_->SetRenderState(D3DRS_CULLMODE, D3DCULL_CW);
    device_->BeginScene();
    device_->DrawPrimitiveUP(D3DPT_TRIANGLELIST, 1, clockwise, sizeof(PlainVertex));
    device_->DrawPrimitiveUP(D3DPT_TRIANGLELIST, 1, counter, sizeof(PlainVertex));
    // Pre-transformed quads follow the same rule: this fan runs clockwise on the screen.
    FillRect(0, 300, 20, 20, 0xFF0000FF);
    device_->EndScene();
    picture = Shot();
    EXPECT_EQ(picture.At(40, 40), 0xFF000000u);
    EXPECT_EQ(picture.At(360, 40), 0xFF00FF00u);
    EXPECT_EQ(picture.At(10, 310), 0xFF000000u);
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
    struct Case {
        D3DPRIMITIVETYPE type;
        UINT count;
        const PlainVertex* vertices;
    };
    for (const Case& draw : {Case{D3DPT_TRIANGLELIST, 2, list}, Case{D3DPT_TRIANGLESTRIP, 2, strip},
                             Case{D3DPT_TRIANGLEFAN, 2, fan}}) {
        device_->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, 0xFF000000, 1.0f, 0);
        device_->BeginScene();
        ASSERT_EQ(device_->DrawPrimitiveUP(draw.type, draw.count, draw.vertices, sizeof(PlainVertex)), D3D_OK);
        device_->EndScene();
        const d3d9::Picture picture = Shot();
        SCOPED_TRACE(draw.type);
        EXPECT_EQ(picture.At(1, 1), 0xFFFFFFFFu);
        EXPECT_EQ(picture.At(318, 238), 0xFFFFFFFFu);
        EXPECT_EQ(picture.At(5, 236), 0xFFFFFFFFu);
        EXPECT_EQ(picture.At(322, 100), 0xFF000000u);
        EXPECT_EQ(picture.At(100, 242), 0xFF000000u);
    }
    device_->BeginScene();
    EXPECT_EQ(device_->DrawPrimitiveUP(D3DPT_TRIANGLELIST, 0, list, sizeof(PlainVertex)), D3DERR_INVALIDCALL);
    EXPECT_EQ(device_->DrawPrimitiveUP(D3DPT_TRIANGLELIST, 1, list, 8), D3DERR_INVALIDCALL);  // stride too short
    EXPECT_EQ(device_->DrawPrimitiveUP(D3DPT_TRIANGLELIST, 1, nullptr, sizeof(PlainVertex)), D3DERR_INVALIDCALL);
    device_->EndScene();
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
    const d3d9::Picture picture = Shot();
    EXPECT_EQ(picture.width, 320u);
    EXPECT_EQ(picture.height, 240u);
    EXPECT_EQ(picture.At(319, 239), 0xFF00FF00u);

    params.AutoDepthStencilFormat = D3DFMT_R5G6B5;  // no depth format: refused, nothing changes
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
