// The game's g_d3d and g_device made on the installed stand-ins, as the start-up makes them,
// for the fixtures whose scenes draw through the globals.
#pragma once

#include <gtest/gtest.h>

#include "core/globals.h"

inline void MakeGameDevice()
{
    g_d3d = Direct3DCreate9(D3D_SDK_VERSION);
    D3DPRESENT_PARAMETERS params = {};
    ASSERT_EQ(g_d3d->CreateDevice(0, D3DDEVTYPE_HAL, nullptr, D3DCREATE_HARDWARE_VERTEXPROCESSING, &params, &g_device),
              D3D_OK);
}
