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
#include "support/stand_in_globals.h"

class OverlayFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        MakeGameDevice();
        if (HasFatalFailure()) return;
        MakeSpriteAndSheets({{&g_texScoreboard, 640, 480, "Scoreboard"}, {&g_texTitle, 640, 1024, "Title"},
                             {&g_texGame, 1024, 512, "Game"}, {&g_texGlyphs, 512, 512, "Glyphs"},
                             {&g_texEnding, 512, 1024, "Ending"}});
        if (HasFatalFailure()) return;
        g_world.player = GameObject();
        g_world.boss = GameObject();
        fake::ClearCalls();
    }

    void TearDown() override
    {
        ReleaseStandIns();
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
};
