// The whole game drawn through the real OpenGL device and sprite with the real sheets, on
// the keyboard, sound and music of the stand-ins: the globals the start-up sets pointing at
// them, the game's state as at program start, and all of it given back at the end.
#pragma once

#include "core/game_world.h"
#include "d3dx9/sprite_factory.h"
#include "data/sheet_device.h"
#include "fake/fake.h"
#include "fake/fake_win32.h"
#include "game/boss.h"
#include "game/energy.h"
#include "support/fresh_game.h"
#include "support/game_state.h"

class GameScreensTest : public SheetDeviceTest {
protected:
    void SetUp() override
    {
        fake::Install();
        d3dx9::SetSpriteFactory({});  // the real sprite
        game_state::ResetToStart();
        SheetDeviceTest::SetUp();
        if (IsSkipped() || HasFatalFailure()) return;
        GiveTheGameTheSheets();
        g_presentParams = render_test::WindowedParams();
    }

    void TearDown() override
    {
        ReleaseGameWorld();
        ReleaseTune();
        game_state::ResetToStart();
        SheetDeviceTest::TearDown();
        fake::Uninstall();
    }

    static void Play(int frames)
    {
        for (int frame = 0; frame < frames; ++frame) g_sceneFunc();
    }

    template <class Until>
    static void PlayUntil(Until until, int most)
    {
        for (int frame = 0; frame < most && !until(); ++frame) g_sceneFunc();
    }

    // In the stage: the fire held until the timetable has brought three enemies in, then
    // missiles, paid for, launched while the fire goes on, until the last is out.
    static void FireUntilThreeEnemiesThenLaunchMissiles()
    {
        fake::PressKey('Z');
        PlayUntil([] { return Active(g_world.enemies, 381) >= 3; }, 2000);
        ASSERT_GE(Active(g_world.enemies, 381), 3);
        g_energy = 700;
        fake::ReleaseKey('Z');
        fake::PressKey('X');
        Play(2);
        fake::ReleaseKey('X');
        fake::PressKey('Z');
        PlayUntil([] { return g_world.missiles[10].state != 0; }, 200);
        Play(4);
    }

    // The boss come down and filled up, in the fight from its first frame, the craft firing.
    static void StartTheFightFiring()
    {
        g_bossPhase = 2;
        g_world.boss.pos = D3DXVECTOR3(0.0f, 9.0f, 0.0f);
        g_world.boss.rot.z += 180.0f;
        g_world.boss.life = 1200.0f;
        g_world.player.timer = 1.0f;
        fake::PressKey('Z');
    }

    // Objects of the pool in play.
    static int Active(const GameObject* pool, int count)
    {
        int active = 0;
        for (int i = 0; i < count; ++i) active += pool[i].state != 0;
        return active;
    }
};
