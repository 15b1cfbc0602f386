// The stage's actors on the stand-in platform: a fake device for their drawing, effect
// buffers whose plays the call record shows, an empty world and every game-state global
// as at program start. Controller() attaches a scripted game controller.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "core/game_world.h"
#include "core/globals.h"
#include "core/release.h"
#include "fake/call_log.h"
#include "fake/fake.h"
#include "fake/fake_d3d9.h"
#include "fake/fake_input.h"
#include "game/energy.h"
#include "game/missile_manoeuvre.h"
#include "game/player_control.h"
#include "graphics/effects.h"
#include "input/joystick.h"
#include "support/game_state.h"
#include "support/stand_in_globals.h"

class ActorTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        game_state::ResetToStart();
        MakeGameDevice();
        if (HasFatalFailure()) return;
        MakeSounds({{&g_sndShot, "shot"}, {&g_sndDamage, "damage"}, {&g_sndEnemyDie, "enemydie"}});
        g_world.player.colour[3] = 1.0f;
        fake::ClearCalls();
    }

    void TearDown() override
    {
        FreeDirectInput();
        g_joystickPresent = 0;
        ReleaseStandIns();
        game_state::ResetToStart();
    }

    static void Controller()
    {
        fake::InstallInput({{"pad"}});
        ASSERT_TRUE(InitDirectInput(nullptr));
    }

    fake::Installed installed_;
};
