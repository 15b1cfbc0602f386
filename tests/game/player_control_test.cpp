// Steering, the fire latch and auto-fire, the weapon purchases and the missile manoeuvre,
// with keys from the stand-in window system and a scripted controller.
#include <vector>

#include "fake/fake_win32.h"
#include "game/actor_fixture.h"

namespace {

using PlayerControlTest = ActorTest;

DIJOYSTATE Pad(LONG x, int button = -1, LONG y = 0)
{
    DIJOYSTATE pad = {};
    pad.lX = x;
    pad.lY = y;
    if (button >= 0) pad.rgbButtons[button] = 0x80;
    return pad;
}

// The calls, counted from 1, in which a shot left; each shot is taken back at once.
std::vector<int> ShotCalls(int calls)
{
    std::vector<int> fired;
    for (int call = 1; call <= calls; ++call) {
        UpdatePlayerControl();
        if (g_world.playerShots[0].state != 0) fired.push_back(call);
        g_world.playerShots[0].state = 0;
    }
    return fired;
}

TEST_F(PlayerControlTest, AHeldShotInputFiresEveryTwentyCallsAndSixteenAtTheCounterWrap)
{
    std::vector<int> expected;
    for (int call = 1; call <= 241; call += 20) expected.push_back(call);
    expected.insert(expected.end(), {257, 277, 297});

    fake::PressKey('Z');
    g_world.player.pos = D3DXVECTOR3(2.0f, -3.0f, 0.0f);
    EXPECT_EQ(ShotCalls(300), expected);
    EXPECT_EQ(Plays("shot"), expected.size());
    EXPECT_EQ(g_world.playerShots[0].pos, D3DXVECTOR3(2.0f, -2.0f, 0.0f));

    fake::ReleaseKey('Z');
    UpdatePlayerControl();
    EXPECT_EQ(g_autoFireCounter, 0) << "a release restarts the rhythm";
    Controller();
    fake::SetControllerState(Pad(0, 0));
    fake::ClearCalls();
    EXPECT_EQ(ShotCalls(300), expected);
    EXPECT_EQ(Plays("shot"), 0u) << "button 0 fires silently";
}

TEST_F(PlayerControlTest, ZWaitsWhileButtonZeroHoldsTheLatch)
{
    Controller();
    fake::SetControllerState(Pad(0, 0));
    EXPECT_EQ(ShotCalls(1), std::vector<int>{1});
    fake::PressKey('Z');
    EXPECT_TRUE(ShotCalls(2).empty());
    fake::SetControllerState(Pad(0));
    EXPECT_EQ(ShotCalls(2), std::vector<int>{2}) << "free on the release, fired on the next call";
    EXPECT_EQ(Plays("shot"), 1u);
}

TEST_F(PlayerControlTest, MissilesCostSevenHundredAndStartOnlyWithMissileZeroIdle)
{
    const struct {
        bool button;
        int energy;
        uint8_t missileZero, phase, latch;
        int energyAfter;
    } cases[] = {{false, 699, 0, 0, 0, 699}, {false, 700, 0, 1, 4, 0}, {false, 1500, 1, 0, 4, 800},
                 {true, 700, 0, 1, 3, 0}};
    Controller();
    for (const auto& c : cases) {
        g_energy = c.energy;
        g_fireLatch = g_missilePhase = 0;
        g_world.missiles[0].state = c.missileZero;
        c.button ? fake::SetControllerState(Pad(0, 1)) : fake::PressKey('X');
        UpdatePlayerControl();
        fake::SetControllerState(Pad(0));
        fake::ReleaseKey('X');
        EXPECT_EQ(g_energy, c.energyAfter) << c.energy;
        EXPECT_EQ(g_missilePhase, c.phase) << c.energy;
        EXPECT_EQ(g_fireLatch, c.latch) << c.energy;
    }
}

TEST_F(PlayerControlTest, AHeldLaserInputBuysNoSecondLaserUntilReleased)
{
    Controller();
    for (bool button : {false, true}) {
        g_energy = 5000;
        std::vector<int> spent;
        for (bool down : {true, true, true, false, true, false}) {
            if (button) fake::SetControllerState(Pad(0, down ? 2 : -1));
            else down ? fake::PressKey('C') : fake::ReleaseKey('C');
            UpdatePlayerControl();
            spent.push_back(5000 - g_energy);
            g_laserActive = 0;  // every run ends at once
        }
        EXPECT_EQ(spent, (std::vector<int>{1000, 1000, 1000, 1000, 2000, 2000})) << button;
        EXPECT_EQ(g_fireLatch, 0) << button;
    }
}

TEST_F(PlayerControlTest, KeysAndStickSteerBankAndStayInsideTheirLimits)
{
    const struct {
        const char* name;
        int held, tapped;
        DIJOYSTATE pad;
        bool failRead;
        int calls;
        float bank, x, y;
    } cases[] = {
        {"left", VK_LEFT, 0, Pad(0), false, 12, 30.0f, -1.2f, 0.0f},
        {"left tapped", 0, VK_LEFT, Pad(0), false, 1, 2.0f, -0.1f, 0.0f},
        {"stick right", 0, 0, Pad(1000), false, 3, -7.0f, 0.3f, 0.0f},
        {"stick right and key right", VK_RIGHT, 0, Pad(1000), false, 10, -30.0f, 2.0f, 0.0f},
        {"stick half", 0, 0, Pad(500, -1, 500), false, 5, 0.0f, 0.0f, 0.0f},
        {"failed read", 0, 0, Pad(1000, 0), true, 3, 0.0f, 0.0f, 0.0f},
        {"clamped", VK_LEFT, 0, Pad(0, -1, -1000), false, 300, 30.0f, -10.5f, 15.0f},
    };
    Controller();
    for (const auto& c : cases) {
        g_world = GameWorld();
        fake::SetControllerState(c.pad);
        fake::FailControllerReads(c.failRead);
        if (c.held) fake::PressKey(c.held);
        if (c.tapped) fake::TapKey(c.tapped);
        for (int call = 0; call < c.calls; ++call) UpdatePlayerControl();
        if (c.held) fake::ReleaseKey(c.held);
        EXPECT_FLOAT_EQ(g_world.player.rot.y, c.bank) << c.name;
        EXPECT_NEAR(g_world.player.pos.x, c.x, 1e-5f) << c.name;
        EXPECT_NEAR(g_world.player.pos.y, c.y, 1e-5f) << c.name;
        EXPECT_EQ(g_world.playerShots[0].state, 0) << c.name;
    }
    fake::SetControllerState(Pad(0));
    for (int call = 0; call < 5; ++call) UpdatePlayerControl();
    EXPECT_FLOAT_EQ(g_world.player.rot.y, 25.0f) << "back toward level by 1 a call";
}

TEST_F(PlayerControlTest, TheRetreatReachesTheLaunchPointAndLoosesEveryMissile)
{
    const struct {
        D3DXVECTOR3 from;
        int calls;
        float alpha;
    } cases[] = {{{10.5f, 15.0f, 0.0f}, 33, 0.5f}, {{0.0f, -10.8f, 0.0f}, 19, 0.62f}};
    for (const auto& c : cases) {
        g_missilePhase = 1;
        GameObject& player = g_world.player;
        player.pos = c.from;
        player.rot.y = 20.0f;
        player.colour[3] = 1.0f;
        int calls = 0;
        for (; g_missilePhase == 1 && calls < 100; ++calls) UpdateMissileRetreat(player);
        EXPECT_EQ(calls, c.calls);
        EXPECT_NEAR(player.colour[3], c.alpha, 1e-6f);
        EXPECT_EQ(player.pos, D3DXVECTOR3(0.0f, -10.0f, -18.0f));
        EXPECT_EQ(player.rot.y, 0.0f);
        for (const GameObject& missile : g_world.missiles) {
            EXPECT_EQ(missile.state, 1);
            EXPECT_EQ(missile.pos, player.pos);
        }
    }
}

TEST_F(PlayerControlTest, TheReturnWaitsTwentyCallsCountedAcrossResetsThenMoves181)
{
    const struct {
        uint8_t wait;
        int calls, firstPause, pauses;
    } cases[] = {{0, 201, 1, 20}, {30, 181, 0, 0}, {250, 201, 7, 20}};
    for (const auto& c : cases) {
        g_missilePhase = 2;
        g_missileReturnWait = c.wait;
        GameObject& player = g_world.player;
        player.pos = D3DXVECTOR3(0.0f, -10.0f, -18.0f);
        player.colour[3] = 0.5f;
        int calls = 0, firstPause = 0, pauses = 0;
        while (g_missilePhase == 2 && calls < 300) {
            const D3DXVECTOR3 before = player.pos;
            UpdateMissileReturn(player);
            ++calls;
            if (player.pos == before && pauses++ == 0) firstPause = calls;
        }
        EXPECT_EQ(calls, c.calls) << int(c.wait);
        EXPECT_EQ(firstPause, c.firstPause) << int(c.wait);
        EXPECT_EQ(pauses, c.pauses) << int(c.wait);
        EXPECT_EQ(player.pos, D3DXVECTOR3(0.0f, -10.8f, 0.0f));
        EXPECT_EQ(player.colour[3], 1.0f);
        EXPECT_EQ(g_missileReturnWait, 0);
    }
}

}  // namespace
