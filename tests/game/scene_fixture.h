// The game's scenes on the stand-ins without the start-up: a device, a sprite, the title
// sheet (named "Title" in the records) and the enter sound in the game's globals, the title
// state as at the first title frame, and everything the scenes made given back afterwards.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "audio/music.h"
#include "core/game_world.h"
#include "core/globals.h"
#include "core/scene.h"
#include "fake/call_log.h"
#include "fake/fake.h"
#include "fake/fake_d3d9.h"
#include "fake/fake_sprite.h"
#include "game/stage_loading.h"
#include "game/title.h"
#include "shell/main_loop.h"
#include "support/fresh_game.h"
#include "support/stand_in_globals.h"

class SceneFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        fake::Install();
        MakeGameDevice();
        if (HasFatalFailure()) return;
        MakeSpriteAndSheets({{&g_texTitle, 640, 1024, "Title"}});
        if (HasFatalFailure()) return;
        MakeSounds({{&g_sndEnter, "enter"}});
        ResetTitleState();
        fake::ClearCalls();
    }

    void TearDown() override
    {
        ReleaseGameWorld();
        Cleanup();
        tunes_.ReleaseAll();
        g_sceneFunc = nullptr;
        fake::Uninstall();
    }

    // The tunes the scenes start replace one another; the test gives them back.
    KeptTunes tunes_;
};
