// The effects on the fake device: a device that keeps, for every DrawPrimitiveUP, the
// vertices, world matrix and states it drew with, a named game.bmp, and the effect
// globals zeroed as at program start.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "core/globals.h"
#include "fake/call_log.h"
#include "fake/fake.h"
#include "fake/fake_d3d9.h"
#include "fake/fake_device.h"
#include "graphics/effects.h"

struct EffectDraw {
    D3DPRIMITIVETYPE type;
    UINT primitives;
    UINT stride;
    EffectVertex vertices[4];
    D3DMATRIX world;
    DWORD lighting, srcBlend, destBlend, fvf;
    std::string texture;
};

class DrawKeepingDevice : public fake::FakeDevice {
public:
    explicit DrawKeepingDevice(const D3DPRESENT_PARAMETERS& params) : FakeDevice(params) {}

    HRESULT DrawPrimitiveUP(D3DPRIMITIVETYPE type, UINT primitiveCount, const void* vertices, UINT stride) override
    {
        const fake::DeviceState& state = fake::Device();
        EffectDraw& draw = draws.emplace_back();
        draw.type = type;
        draw.primitives = primitiveCount;
        draw.stride = stride;
        std::memcpy(static_cast<void*>(draw.vertices), vertices, sizeof draw.vertices);
        draw.world = state.Transform(D3DTS_WORLD);
        draw.lighting = state.RenderState(D3DRS_LIGHTING);
        draw.srcBlend = state.RenderState(D3DRS_SRCBLEND);
        draw.destBlend = state.RenderState(D3DRS_DESTBLEND);
        draw.fvf = state.fvf;
        draw.texture = state.Texture(0);
        return FakeDevice::DrawPrimitiveUP(type, primitiveCount, vertices, stride);
    }

    std::vector<EffectDraw> draws;
};

class EffectFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        D3DPRESENT_PARAMETERS params = {};
        device_ = new DrawKeepingDevice(params);
        g_device = device_;
        ASSERT_EQ(g_device->CreateTexture(1024, 512, 1, 0, D3DFMT_A8R8G8B8, D3DPOOL_MANAGED, &g_texGame, nullptr),
                  D3D_OK);
        fake::NameTexture(g_texGame, "game");
        std::memset(static_cast<void*>(g_explosionQuads), 0, sizeof g_explosionQuads);
        std::memset(static_cast<void*>(g_flameQuad), 0, sizeof g_flameQuad);
        std::memset(static_cast<void*>(g_laserQuad), 0, sizeof g_laserQuad);
        std::memset(g_explosionActive, 0, sizeof g_explosionActive);
        std::memset(static_cast<void*>(g_explosionWorld), 0, sizeof g_explosionWorld);
        std::memset(g_explosionCellU, 0, sizeof g_explosionCellU);
        std::memset(g_explosionCellV, 0, sizeof g_explosionCellV);
        g_stripCellU = g_stripToggle = g_laserFrame = 0;
        g_laserActive = 0;
        fake::ClearCalls();
    }

    void TearDown() override
    {
        g_texGame->Release();
        g_device->Release();
        g_texGame = nullptr;
        g_device = nullptr;
    }

    // The draws since the last call, forgotten afterwards.
    std::vector<EffectDraw> TakeDraws()
    {
        std::vector<EffectDraw> taken;
        taken.swap(device_->draws);
        return taken;
    }

    static GameObject At(float x, float y, float z)
    {
        GameObject object;
        object.pos = D3DXVECTOR3(x, y, z);
        return object;
    }

    fake::Installed installed_;
    DrawKeepingDevice* device_ = nullptr;
};
