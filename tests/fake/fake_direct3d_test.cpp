// The Direct3D stand-in: scripted failures, the present hook, the records and the state.
#include <gtest/gtest.h>

#include <cstring>

#include "d3d9.h"
#include "fake/call_log.h"
#include "fake/fake.h"
#include "fake/fake_d3d9.h"
#include "fake/fake_win32.h"
#include "resources.h"

namespace {

D3DPRESENT_PARAMETERS WindowParams()
{
    D3DPRESENT_PARAMETERS params = {};
    params.BackBufferWidth = 640;
    params.BackBufferHeight = 480;
    params.BackBufferFormat = D3DFMT_X8R8G8B8;
    params.SwapEffect = D3DSWAPEFFECT_FLIP;
    params.Windowed = TRUE;
    params.EnableAutoDepthStencil = TRUE;
    params.AutoDepthStencilFormat = D3DFMT_D16;
    params.Flags = D3DPRESENTFLAG_LOCKABLE_BACKBUFFER;
    return params;
}

class FakeDirect3DTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        d3d_ = Direct3DCreate9(D3D_SDK_VERSION);
        ASSERT_NE(d3d_, nullptr);
    }

    void TearDown() override
    {
        if (device_) device_->Release();
        if (d3d_) d3d_->Release();
    }

    HRESULT Create(DWORD flags)
    {
        D3DPRESENT_PARAMETERS params = WindowParams();
        return d3d_->CreateDevice(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, nullptr, flags, &params, &device_);
    }

    // One frame as the game draws it; the scene body only when BeginScene succeeded.
    HRESULT Frame(bool* drew)
    {
        device_->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, 0xFF000000, 1.0f, 0);
        *drew = SUCCEEDED(device_->BeginScene());
        if (*drew) device_->EndScene();
        return device_->Present(nullptr, nullptr, nullptr, nullptr);
    }

    fake::Installed installed_;
    IDirect3D9* d3d_ = nullptr;
    IDirect3DDevice9* device_ = nullptr;
};

TEST_F(FakeDirect3DTest, DisplayModeIsScriptable)
{
    D3DDISPLAYMODE mode = {};
    ASSERT_EQ(d3d_->GetAdapterDisplayMode(D3DADAPTER_DEFAULT, &mode), D3D_OK);
    EXPECT_EQ(mode.Width, 1024u);
    EXPECT_EQ(mode.Format, D3DFMT_X8R8G8B8);
    fake::SetDisplayMode({800, 600, 60, D3DFMT_R5G6B5});
    d3d_->GetAdapterDisplayMode(D3DADAPTER_DEFAULT, &mode);
    EXPECT_EQ(mode.Format, D3DFMT_R5G6B5);
}

TEST_F(FakeDirect3DTest, ScriptedCreateDeviceAttemptFailsAndTheNextSucceeds)
{
    fake::FailCreateDevice({1});
    EXPECT_EQ(Create(D3DCREATE_HARDWARE_VERTEXPROCESSING), D3DERR_NOTAVAILABLE);
    EXPECT_EQ(device_, nullptr);
    EXPECT_EQ(fake::Live().devices, 0);
    EXPECT_EQ(Create(D3DCREATE_SOFTWARE_VERTEXPROCESSING), D3D_OK);
    ASSERT_NE(device_, nullptr);
    EXPECT_EQ(fake::CallsStartingWith("CreateDevice("),
              (std::vector<std::string>{
                  "CreateDevice(0, HAL, null, HARDWARE_VERTEXPROCESSING, {640, 480, X8R8G8B8, 0, NONE, 0, FLIP, null, "
                  "TRUE, TRUE, D16, LOCKABLE_BACKBUFFER, 0, DEFAULT})",
                  "CreateDevice(0, HAL, null, SOFTWARE_VERTEXPROCESSING, {640, 480, X8R8G8B8, 0, NONE, 0, FLIP, null, "
                  "TRUE, TRUE, D16, LOCKABLE_BACKBUFFER, 0, DEFAULT})"}));
    EXPECT_TRUE(fake::Device().created);
    EXPECT_EQ(fake::Device().params.AutoDepthStencilFormat, D3DFMT_D16);
}

TEST_F(FakeDirect3DTest, Direct3DCreateFailsWhenScriptedOrForAnotherSdk)
{
    fake::FailDirect3DCreate();
    EXPECT_EQ(Direct3DCreate9(D3D_SDK_VERSION), nullptr);
    EXPECT_EQ(Direct3DCreate9(32), nullptr);
    EXPECT_EQ(fake::CallsStartingWith("Direct3DCreate9(").size(), 2u);  // SetUp's and the scripted one
}

TEST_F(FakeDirect3DTest, BeginSceneAndPresentFailInTheirScriptedFrames)
{
    ASSERT_EQ(Create(D3DCREATE_HARDWARE_VERTEXPROCESSING), D3D_OK);
    fake::FailBeginScene({1});
    fake::FailPresent({0, 2});
    std::vector<bool> drew(4), presented(4);
    for (int frame = 0; frame < 4; ++frame) {
        bool sceneDrawn = false;
        presented[frame] = SUCCEEDED(Frame(&sceneDrawn));
        drew[frame] = sceneDrawn;
    }
    EXPECT_EQ(drew, (std::vector<bool>{true, false, true, true}));
    EXPECT_EQ(presented, (std::vector<bool>{false, true, false, true}));
    EXPECT_EQ(fake::Frame(), 4);
    EXPECT_EQ(fake::CallsStartingWith("Present(").front(), "Present(null, null, null, null)");
    EXPECT_EQ(fake::CallsStartingWith("Clear(").front(), "Clear(0, null, TARGET|ZBUFFER, 0xFF000000, 1, 0)");

    fake::FailEveryPresent();
    bool sceneDrawn = false;
    EXPECT_TRUE(FAILED(Frame(&sceneDrawn)));
}

TEST_F(FakeDirect3DTest, PresentHookDrivesAMessageLoopToItsEnd)
{
    ASSERT_EQ(Create(D3DCREATE_HARDWARE_VERTEXPROCESSING), D3D_OK);
    std::vector<int> hookFrames;
    fake::SetPresentHook([&](int frame) {
        hookFrames.push_back(frame);
        EXPECT_EQ(fake::Frame(), frame + 1);
        if (frame == 2) fake::PostQuit(4);
    });
    MSG msg = {};
    int scenes = 0;
    for (;;) {
        if (PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
            if (!GetMessageA(&msg, nullptr, 0, 0)) break;
            DispatchMessageA(&msg);
        } else {
            bool sceneDrawn = false;
            Frame(&sceneDrawn);
            ++scenes;
        }
    }
    EXPECT_EQ(hookFrames, (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(scenes, 3);
    EXPECT_EQ(msg.wParam, 4u);
}

TEST_F(FakeDirect3DTest, StateReadsDefaultsUntilSetAndKeepsTheLastValue)
{
    ASSERT_EQ(Create(D3DCREATE_HARDWARE_VERTEXPROCESSING), D3D_OK);
    const fake::DeviceState& state = fake::Device();
    EXPECT_EQ(state.RenderState(D3DRS_CULLMODE), DWORD(D3DCULL_CCW));
    EXPECT_EQ(state.RenderState(D3DRS_ZENABLE), DWORD(D3DZB_TRUE));
    EXPECT_EQ(state.StageState(0, D3DTSS_COLORARG2), DWORD(D3DTA_CURRENT));
    EXPECT_EQ(state.SamplerState(0, D3DSAMP_MINFILTER), DWORD(D3DTEXF_POINT));

    device_->SetRenderState(D3DRS_CULLMODE, D3DCULL_NONE);
    device_->SetTextureStageState(0, D3DTSS_ALPHAOP, D3DTOP_MODULATE);
    device_->SetSamplerState(0, D3DSAMP_MINFILTER, D3DTEXF_LINEAR);
    device_->SetFVF(0x142);
    DWORD value = 0;
    device_->GetRenderState(D3DRS_CULLMODE, &value);
    EXPECT_EQ(value, DWORD(D3DCULL_NONE));
    EXPECT_EQ(state.StageState(0, D3DTSS_ALPHAOP), DWORD(D3DTOP_MODULATE));
    EXPECT_EQ(state.SamplerState(0, D3DSAMP_MINFILTER), DWORD(D3DTEXF_LINEAR));
    EXPECT_EQ(fake::Calls().back(), "SetFVF(XYZ|DIFFUSE|TEX1)");

    D3DMATRIX world = state.Transform(D3DTS_WORLD);
    EXPECT_EQ(world._11, 1.0f);
    EXPECT_EQ(world._41, 0.0f);
    world._41 = 5.0f;
    device_->SetTransform(D3DTS_WORLD, &world);
    EXPECT_EQ(state.Transform(D3DTS_WORLD)._41, 5.0f);
    EXPECT_EQ(state.Transform(D3DTS_VIEW)._41, 0.0f);
    EXPECT_EQ(fake::Calls().back(), "SetTransform(WORLD)");
}

TEST_F(FakeDirect3DTest, LightAndMaterialAreRecordedAndKept)
{
    ASSERT_EQ(Create(D3DCREATE_HARDWARE_VERTEXPROCESSING), D3D_OK);
    D3DLIGHT9 light = {};
    light.Type = D3DLIGHT_DIRECTIONAL;
    light.Diffuse = {1.0f, 0.5f, 0.25f, 1.0f};
    light.Direction = {0.0f, -1.0f, 0.5f};
    device_->SetLight(0, &light);
    device_->LightEnable(0, TRUE);
    D3DMATERIAL9 material = {};
    material.Diffuse = {0.5f, 0.5f, 0.5f, 1.0f};
    material.Ambient = {0.1f, 0.2f, 0.3f, 1.0f};
    material.Power = 8.0f;
    device_->SetMaterial(&material);
    EXPECT_EQ(fake::CallsStartingWith("SetLight(")[0], "SetLight(0, DIRECTIONAL, {1, 0.5, 0.25, 1}, {0, -1, 0.5})");
    EXPECT_EQ(fake::Calls().back(), "SetMaterial({0.5, 0.5, 0.5, 1}, {0.1, 0.2, 0.3, 1}, 8)");
    EXPECT_TRUE(fake::Device().lightsEnabled.at(0));
    EXPECT_EQ(fake::Device().material.Ambient.g, 0.2f);
    D3DMATERIAL9 read = {};
    device_->GetMaterial(&read);
    EXPECT_EQ(read.Power, 8.0f);
}

TEST_F(FakeDirect3DTest, TexturesAreLabelledInCreationOrderOrByTheirTestName)
{
    ASSERT_EQ(Create(D3DCREATE_HARDWARE_VERTEXPROCESSING), D3D_OK);
    IDirect3DTexture9* first = nullptr;
    IDirect3DTexture9* second = nullptr;
    ASSERT_EQ(device_->CreateTexture(64, 32, 1, 0, D3DFMT_A8R8G8B8, D3DPOOL_MANAGED, &first, nullptr), D3D_OK);
    ASSERT_EQ(device_->CreateTexture(16, 16, 1, 0, D3DFMT_A8R8G8B8, D3DPOOL_MANAGED, &second, nullptr), D3D_OK);
    EXPECT_NE(dynamic_cast<d3d9::MemoryTexture*>(first), nullptr);
    EXPECT_EQ(fake::TextureLabel(first), "tex1");
    fake::NameTexture(second, "Title");
    device_->SetTexture(0, second);
    device_->SetTexture(1, first);
    EXPECT_EQ(fake::CallsStartingWith("SetTexture("),
              (std::vector<std::string>{"SetTexture(0, Title)", "SetTexture(1, tex1)"}));
    EXPECT_EQ(fake::Live().textures, 2);

    second->Release();
    EXPECT_EQ(fake::Calls().back(), "Texture.Release(Title)");
    EXPECT_EQ(fake::Live().textures, 1);
    EXPECT_EQ(fake::Device().Texture(0), "null");  // a freed texture leaves its stage
    EXPECT_EQ(fake::Device().Texture(1), "tex1");
    first->Release();

    IDirect3DTexture9* refused = nullptr;
    EXPECT_TRUE(FAILED(device_->CreateTexture(0, 16, 1, 0, D3DFMT_A8R8G8B8, D3DPOOL_MANAGED, &refused, nullptr)));
    EXPECT_EQ(refused, nullptr);
}

TEST_F(FakeDirect3DTest, BuffersAndDrawsAreRecorded)
{
    ASSERT_EQ(Create(D3DCREATE_HARDWARE_VERTEXPROCESSING), D3D_OK);
    IDirect3DVertexBuffer9* vertices = nullptr;
    IDirect3DIndexBuffer9* indices = nullptr;
    ASSERT_EQ(device_->CreateVertexBuffer(96, 0, 0x112, D3DPOOL_MANAGED, &vertices, nullptr), D3D_OK);
    ASSERT_EQ(device_->CreateIndexBuffer(12, 0, D3DFMT_INDEX16, D3DPOOL_MANAGED, &indices, nullptr), D3D_OK);
    device_->SetStreamSource(0, vertices, 0, 32);
    device_->SetIndices(indices);
    device_->DrawIndexedPrimitive(D3DPT_TRIANGLELIST, 0, 0, 3, 0, 2);
    float quad[4][6] = {};
    quad[3][0] = 7.0f;
    device_->DrawPrimitiveUP(D3DPT_TRIANGLESTRIP, 2, quad, 24);
    vertices->Release();
    indices->Release();
    std::vector<std::string> draws(fake::Calls().end() - 7, fake::Calls().end());
    EXPECT_EQ(draws,
              (std::vector<std::string>{"CreateIndexBuffer(12, 0, INDEX16, MANAGED)", "SetStreamSource(0, vb1, 0, 32)",
                                        "SetIndices(ib1)", "DrawIndexedPrimitive(TRIANGLELIST, 0, 0, 3, 0, 2)",
                                        "DrawPrimitiveUP(TRIANGLESTRIP, 2, 24)", "VertexBuffer.Release(vb1)",
                                        "IndexBuffer.Release(ib1)"}));
    ASSERT_EQ(fake::Device().lastVertices.size(), sizeof quad);
    EXPECT_EQ(std::memcmp(fake::Device().lastVertices.data(), quad, sizeof quad), 0);
    EXPECT_EQ(fake::Live().vertexBuffers + fake::Live().indexBuffers, 0);
}

TEST_F(FakeDirect3DTest, ReleasesFreeTheObjectsAndTheStateOutlivesThem)
{
    ASSERT_EQ(Create(D3DCREATE_HARDWARE_VERTEXPROCESSING), D3D_OK);
    device_->SetRenderState(D3DRS_LIGHTING, TRUE);
    EXPECT_EQ(fake::Live().devices, 1);
    EXPECT_EQ(fake::Live().direct3d, 1);
    device_->Release();
    device_ = nullptr;
    d3d_->Release();
    d3d_ = nullptr;
    EXPECT_EQ(fake::Live().devices, 0);
    EXPECT_EQ(fake::Live().direct3d, 0);
    std::vector<std::string> last(fake::Calls().end() - 2, fake::Calls().end());
    EXPECT_EQ(last, (std::vector<std::string>{"Device.Release()", "Direct3D.Release()"}));
    EXPECT_EQ(fake::Device().renderStates.count(D3DRS_LIGHTING), 1u);
}

}  // namespace
