// The OpenGL device on the game's own window (an SDL window behind a window handle):
// presents into it whatever its size, takes full screen and gives it back, and fails
// cleanly once the window is gone.
#include <SDL.h>

#include "d3d9/gl_render_fixture.h"
#include "sdl_system.h"
#include "sdl_window.h"

namespace {

class GlWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        d3d9::SetFramePacing(false);
        win32::Install(std::make_unique<win32::SdlSystem>());
        WNDCLASSA windowClass = {};
        windowClass.lpfnWndProc = DefWindowProcA;
        windowClass.lpszClassName = "device test";
        RegisterClassA(&windowClass);
        window_ = CreateWindowExA(0, "device test", "device test", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                                  CW_USEDEFAULT, 640, 480, nullptr, nullptr, nullptr, nullptr);
        if (!window_) GTEST_SKIP() << "no SDL window can be made here";
        ShowWindow(window_, SW_SHOWDEFAULT);
        direct3d_ = d3d9::CreateGlDirect3D();
        ASSERT_NE(direct3d_, nullptr);
    }

    void TearDown() override
    {
        if (device_) device_->Release();
        if (direct3d_) direct3d_->Release();
        win32::Install(nullptr);
    }

    bool MakeDevice(BOOL windowed)
    {
        D3DPRESENT_PARAMETERS params = render_test::WindowedParams();
        params.Windowed = windowed;
        return SUCCEEDED(direct3d_->CreateDevice(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, window_,
                                                 D3DCREATE_HARDWARE_VERTEXPROCESSING, &params, &device_));
    }

    bool FullScreen() const
    {
        return (SDL_GetWindowFlags(win32::SdlWindow(window_)) & SDL_WINDOW_FULLSCREEN_DESKTOP) != 0;
    }

    HWND window_ = nullptr;
    IDirect3D9* direct3d_ = nullptr;
    IDirect3DDevice9* device_ = nullptr;
};

TEST_F(GlWindowTest, FullScreenLastsAsLongAsTheDeviceAndAnyWindowSizeTakesThePicture)
{
    if (!MakeDevice(FALSE)) GTEST_SKIP() << "no OpenGL context can be made here";
    EXPECT_TRUE(FullScreen());
    D3DPRESENT_PARAMETERS params = render_test::WindowedParams();
    ASSERT_EQ(device_->Reset(&params), D3D_OK);
    EXPECT_FALSE(FullScreen());
    SDL_SetWindowSize(win32::SdlWindow(window_), 900, 400);
    EXPECT_EQ(device_->Present(nullptr, nullptr, nullptr, nullptr), D3D_OK);
    d3d9::Picture picture;
    ASSERT_TRUE(d3d9::ReadBackBuffer(device_, &picture));
    EXPECT_EQ(picture.width, 640u) << "the back buffer keeps its own size";
    params.Windowed = FALSE;
    ASSERT_EQ(device_->Reset(&params), D3D_OK);
    EXPECT_TRUE(FullScreen());
    device_->Release();
    device_ = nullptr;
    EXPECT_FALSE(FullScreen());
}

TEST_F(GlWindowTest, AClosedWindowLeavesADeviceThatFailsCleanly)
{
    if (!MakeDevice(TRUE)) GTEST_SKIP() << "no OpenGL context can be made here";
    IDirect3DTexture9* texture = nullptr;
    ASSERT_EQ(device_->CreateTexture(2, 2, 1, 0, D3DFMT_A8R8G8B8, D3DPOOL_MANAGED, &texture, nullptr), D3D_OK);
    device_->SetTexture(0, texture);
    const render_test::ScreenVertex triangle[3] = {};
    device_->SetFVF(render_test::kScreenFvf);
    device_->BeginScene();
    device_->DrawPrimitiveUP(D3DPT_TRIANGLELIST, 1, triangle, sizeof triangle[0]);  // uploads the texture
    device_->EndScene();
    win32::System().DestroyWindow(window_);
    EXPECT_EQ(device_->Present(nullptr, nullptr, nullptr, nullptr), D3DERR_INVALIDCALL);
    EXPECT_EQ(device_->Clear(0, nullptr, D3DCLEAR_TARGET, 0, 1.0f, 0), D3DERR_INVALIDCALL);
    d3d9::Picture picture;
    EXPECT_FALSE(d3d9::ReadBackBuffer(device_, &picture));
    // As the game's clean-up does: the device goes first, then the texture, whose OpenGL
    // copy went with the context.
    device_->Release();
    device_ = nullptr;
    EXPECT_EQ(texture->Release(), 0u);
}

}  // namespace
