// A device of the recording stand-ins, for tests that load textures: its record shows the
// loader's calls and the textures it made, and Live() what is still unreleased.
#pragma once

#include <gtest/gtest.h>

#include "d3d9.h"
#include "fake/fake.h"
#include "fake/fake_d3d9.h"

class StandInDevice {
public:
    StandInDevice()
    {
        d3d_ = Direct3DCreate9(D3D_SDK_VERSION);
        D3DPRESENT_PARAMETERS params = {};
        params.BackBufferWidth = 640;
        params.BackBufferHeight = 480;
        params.BackBufferFormat = D3DFMT_X8R8G8B8;
        params.Windowed = TRUE;
        EXPECT_EQ(d3d_->CreateDevice(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, nullptr,
                                     D3DCREATE_HARDWARE_VERTEXPROCESSING, &params, &device_),
                  D3D_OK);
    }
    ~StandInDevice()
    {
        device_->Release();
        d3d_->Release();
    }
    StandInDevice(const StandInDevice&) = delete;
    StandInDevice& operator=(const StandInDevice&) = delete;

    IDirect3DDevice9* Get() const { return device_; }

private:
    fake::Installed installed_;
    IDirect3D9* d3d_ = nullptr;
    IDirect3DDevice9* device_ = nullptr;
};
