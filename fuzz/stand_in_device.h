// The recording stand-in device as the game's g_device, for the loaders that make their
// textures and meshes on it. Made once; the call record is emptied after every input, so
// it does not grow with the run.
#pragma once

#include "core/globals.h"
#include "fake/call_log.h"
#include "fake/fake.h"

inline IDirect3DDevice9* StandInDevice()
{
    static IDirect3D9* const d3d = [] {
        fake::Install();
        return Direct3DCreate9(D3D_SDK_VERSION);
    }();
    static IDirect3DDevice9* const device = [] {
        D3DPRESENT_PARAMETERS params = {};
        params.BackBufferWidth = 640;
        params.BackBufferHeight = 480;
        params.BackBufferFormat = D3DFMT_X8R8G8B8;
        params.Windowed = TRUE;
        IDirect3DDevice9* made = nullptr;
        if (d3d->CreateDevice(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, nullptr, D3DCREATE_HARDWARE_VERTEXPROCESSING,
                              &params, &made) != D3D_OK)
            __builtin_trap();
        g_device = made;
        return made;
    }();
    fake::ClearCalls();
    return device;
}
