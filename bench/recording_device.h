// The game's device global on a device of the stand-ins, as the start-up would have made
// it, for as long as the benchmark holds it.
#pragma once

#include "core/globals.h"
#include "fake/fake.h"

struct RecordingDevice {
    RecordingDevice()
    {
        fake::Install();
        g_d3d = Direct3DCreate9(D3D_SDK_VERSION);
        D3DPRESENT_PARAMETERS params = {};
        params.Windowed = TRUE;
        g_d3d->CreateDevice(0, D3DDEVTYPE_HAL, nullptr, D3DCREATE_HARDWARE_VERTEXPROCESSING, &params, &g_device);
    }
    ~RecordingDevice()
    {
        g_device->Release();
        g_d3d->Release();
        g_device = nullptr;
        g_d3d = nullptr;
        fake::Uninstall();
    }
    RecordingDevice(const RecordingDevice&) = delete;
    RecordingDevice& operator=(const RecordingDevice&) = delete;
};
