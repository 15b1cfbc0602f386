// Render tests on the real OpenGL device with SDL's offscreen driver: a 640 by 480 device
// on a hidden window of its own, frame pacing off, and pixel probes of the back buffer.
// They skip only where no OpenGL context at all can be made.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "d3d9.h"
#include "frame_pacing.h"
#include "gl_direct3d.h"
#include "screenshot.h"

namespace render_test {

inline D3DPRESENT_PARAMETERS WindowedParams(UINT width = 640, UINT height = 480)
{
    D3DPRESENT_PARAMETERS params = {};
    params.BackBufferWidth = width;
    params.BackBufferHeight = height;
    params.BackBufferFormat = D3DFMT_X8R8G8B8;
    params.SwapEffect = D3DSWAPEFFECT_FLIP;
    params.Windowed = TRUE;
    params.EnableAutoDepthStencil = TRUE;
    params.AutoDepthStencilFormat = D3DFMT_D16;
    return params;
}

// The largest of the differences in red, green and blue of two 0xAARRGGBB colours.
inline int LargestChannelDifference(uint32_t a, uint32_t b)
{
    int largest = 0;
    for (int shift = 0; shift < 24; shift += 8)
        largest = std::max(largest, std::abs(int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF)));
    return largest;
}

// Red, green and blue of 0xAARRGGBB colours each within `tolerance`.
inline ::testing::AssertionResult Near(uint32_t actual, uint32_t expected, int tolerance = 2)
{
    if (LargestChannelDifference(actual, expected) <= tolerance) return ::testing::AssertionSuccess();
    char text[64];
    std::snprintf(text, sizeof text, "got %06X, expected %06X", actual & 0xFFFFFFu, expected & 0xFFFFFFu);
    return ::testing::AssertionFailure() << text;
}

struct ScreenVertex {
    float x, y, z, rhw;
    D3DCOLOR colour;
    float u, v;
};
constexpr DWORD kScreenFvf = D3DFVF_XYZRHW | D3DFVF_DIFFUSE | D3DFVF_TEX1;

class GlRenderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        d3d9::SetFramePacing(false);
        direct3d_ = d3d9::CreateGlDirect3D();
        if (!direct3d_) GTEST_SKIP() << "SDL's video cannot start here, so no OpenGL context either";
        D3DPRESENT_PARAMETERS params = WindowedParams();
        if (FAILED(direct3d_->CreateDevice(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, nullptr,
                                           D3DCREATE_HARDWARE_VERTEXPROCESSING, &params, &device_)) &&
            FAILED(direct3d_->CreateDevice(D3DADAPTER_DEFAULT, D3DDEVTYPE_REF, nullptr,
                                           D3DCREATE_SOFTWARE_VERTEXPROCESSING, &params, &device_)))
            GTEST_SKIP() << "no OpenGL context can be made here";
    }

    void TearDown() override
    {
        if (device_) device_->Release();
        if (direct3d_) direct3d_->Release();
    }

    // The blending and texture stage the game sets once at start-up.
    void SetGameStates()
    {
        device_->SetRenderState(D3DRS_ALPHABLENDENABLE, TRUE);
        device_->SetRenderState(D3DRS_SRCBLEND, D3DBLEND_SRCALPHA);
        device_->SetRenderState(D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA);
        device_->SetTextureStageState(0, D3DTSS_ALPHAOP, D3DTOP_MODULATE);
        device_->SetTextureStageState(0, D3DTSS_ALPHAARG2, D3DTA_DIFFUSE);
        device_->SetRenderState(D3DRS_CULLMODE, D3DCULL_NONE);
    }

    d3d9::Picture Shot()
    {
        d3d9::Picture picture;
        EXPECT_TRUE(d3d9::ReadBackBuffer(device_, &picture));
        return picture;
    }

    // A texture of 0xAARRGGBB texels, rows top first.
    IDirect3DTexture9* MakeTexture(UINT width, UINT height, const uint32_t* texels,
                                   D3DFORMAT format = D3DFMT_A8R8G8B8)
    {
        IDirect3DTexture9* texture = nullptr;
        D3DLOCKED_RECT locked = {};
        if (FAILED(device_->CreateTexture(width, height, 1, 0, format, D3DPOOL_MANAGED, &texture, nullptr)) ||
            FAILED(texture->LockRect(0, &locked, nullptr, 0)))
            return texture;
        for (UINT y = 0; y < height; ++y)
            std::memcpy(static_cast<uint8_t*>(locked.pBits) + size_t(y) * locked.Pitch, texels + size_t(y) * width,
                        width * 4);
        texture->UnlockRect(0);
        return texture;
    }

    // Fills the pixels x..x+width-1, y..y+height-1 with a clockwise fan of pre-transformed
    // vertices (texture coordinates 0 to 1 across), with the device's states as they are.
    HRESULT FillRect(float x, float y, float width, float height, D3DCOLOR colour, float z = 0.5f)
    {
        const float left = x - 0.5f, top = y - 0.5f, right = left + width, bottom = top + height;
        const ScreenVertex quad[4] = {{left, top, z, 1, colour, 0, 0},
                                      {right, top, z, 1, colour, 1, 0},
                                      {right, bottom, z, 1, colour, 1, 1},
                                      {left, bottom, z, 1, colour, 0, 1}};
        device_->SetFVF(kScreenFvf);
        return device_->DrawPrimitiveUP(D3DPT_TRIANGLEFAN, 2, quad, sizeof(ScreenVertex));
    }

    // One scene around FillRect.
    HRESULT DrawRect(float x, float y, float width, float height, D3DCOLOR colour = 0xFFFFFFFF, float z = 0.5f)
    {
        device_->BeginScene();
        const HRESULT result = FillRect(x, y, width, height, colour, z);
        device_->EndScene();
        return result;
    }

    void ClearTo(D3DCOLOR colour) { device_->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, colour, 1.0f, 0); }

    IDirect3D9* direct3d_ = nullptr;
    IDirect3DDevice9* device_ = nullptr;
};

}  // namespace render_test
