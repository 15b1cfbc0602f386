// The fake device and sprite in the game's globals, with the five sheets as named memory
// textures, for the scenes that draw overlays; the record is cleared once they are made.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/game_world.h"
#include "core/globals.h"
#include "core/release.h"
#include "fake/call_log.h"
#include "fake/fake.h"
#include "fake/fake_d3d9.h"
#include "support/game_device.h"

class OverlayFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        MakeGameDevice();
        if (HasFatalFailure()) return;
        ASSERT_EQ(D3DXCreateSprite(g_device, &g_sprite), S_OK);
        MakeSheet(g_texScoreboard, 640, 480, "Scoreboard");
        MakeSheet(g_texTitle, 640, 1024, "Title");
        MakeSheet(g_texGame, 1024, 512, "Game");
        MakeSheet(g_texGlyphs, 512, 512, "Glyphs");
        MakeSheet(g_texEnding, 512, 1024, "Ending");
        g_world.player = GameObject();
        g_world.boss = GameObject();
        fake::ClearCalls();
    }

    void TearDown() override
    {
        for (IDirect3DTexture9** sheet : {&g_texScoreboard, &g_texTitle, &g_texGame, &g_texGlyphs, &g_texEnding})
            Release(*sheet);
        Release(g_sprite);
        Release(g_device);
        Release(g_d3d);
        g_world.player = GameObject();
        g_world.boss = GameObject();
    }

    // The sprite's draws and the blend changes, in order, from the record.
    static std::vector<std::string> OverlayCalls()
    {
        std::vector<std::string> calls;
        for (const std::string& call : fake::Calls())
            if (call.rfind("Sprite.", 0) == 0 || call.rfind("SetRenderState(", 0) == 0) calls.push_back(call);
        return calls;
    }

    // How the record shows a blend switch made by the overlays.
    static std::vector<std::string> Blend(D3DBLEND destination)
    {
        return {fake::Call("SetRenderState", D3DRS_SRCBLEND, D3DBLEND_SRCALPHA),
                fake::Call("SetRenderState", D3DRS_DESTBLEND, destination)};
    }

    fake::Installed installed_;

private:
    static void MakeSheet(IDirect3DTexture9*& sheet, UINT width, UINT height, const char* name)
    {
        ASSERT_EQ(g_device->CreateTexture(width, height, 1, 0, D3DFMT_A8R8G8B8, D3DPOOL_MANAGED, &sheet, nullptr),
                  D3D_OK);
        fake::NameTexture(sheet, name);
    }
};
