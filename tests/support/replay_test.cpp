// The replay helper on the game as it is: the title's recorded run, input reaching the game
// on its frames, and a change to the state caught at the first checkpoint after it.
#include "support/replay.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "core/game_world.h"
#include "fake/fake_d3d9.h"
#include "fake/fake_input.h"
#include "input/joystick.h"
#include "support/game_state.h"

namespace {

// Five seconds of the title with keys held and tapped and the stick moved about.
replay::Script TitleScript()
{
    replay::Script script;
    script.frames = 300;
    script.checkpointEvery = 60;
    script.keys = {{0, VK_RETURN, true}, {2, VK_RETURN, false}, {40, VK_UP, true},  {95, VK_UP, false},
                   {120, 'Z', true},     {121, 'Z', false},     {200, VK_SPACE, true}, {260, VK_SPACE, false}};
    script.controllerAttached = true;
    script.controller = {{30, fake::ControllerState(1000, 0)}, {90, fake::ControllerState(0, -1000, {0, 3})},
                         {150, fake::ControllerState(0, 0)}};
    return script;
}

// Enter held at the first frame starts the game from it: one title frame, then the whole
// loading, which takes the quit only when it ends.
const replay::Checkpoint kTitle[] = {
    {0, 0x6409EA7DB0959405u},    {60, 0xD3635AA8CDCDA0ECu},   {120, 0xA04EAA218DAB619Au},
    {180, 0xDFAE8562BA675BCBu},  {240, 0xFACC0A053D3A6F31u},  {299, 0xFC4A2EEAF7F064B1u},
    {300, 0xC5596318FF07D937u},  {360, 0x39EF27AFB1A36A11u},  {420, 0x91F52CC9B5BA10C3u},
    {480, 0xAFC4B33543776323u},
};

TEST(Replay, TheTitleHoldsItsRecordedCheckpoints)
{
    EXPECT_TRUE(replay::Matches("title", kTitle, replay::Play(TitleScript())));
}

TEST(Replay, KeysAndTheControllerReachTheGameOnTheirFrames)
{
    replay::Script script;
    script.frames = 8;
    script.keys = {{0, VK_RIGHT, true}, {3, VK_LEFT, true}, {6, VK_LEFT, false}};
    script.controllerAttached = true;
    script.controller = {{4, fake::ControllerState(1000, -500, {2})}};
    std::vector<int> leftHeld, rightHeld, stickX, button2;
    replay::Play(script, [&](int) {
        leftHeld.push_back((GetAsyncKeyState(VK_LEFT) & 0x8000) != 0);
        rightHeld.push_back((GetAsyncKeyState(VK_RIGHT) & 0x8000) != 0);
        DIJOYSTATE state = {};
        EXPECT_EQ(ReadJoystick(&state), DI_OK);
        stickX.push_back(state.lX);
        button2.push_back(state.rgbButtons[2]);
        EXPECT_EQ(g_joystickPresent, 1);
    });
    EXPECT_EQ(leftHeld, (std::vector<int>{0, 0, 0, 1, 1, 1, 0, 0}));
    EXPECT_EQ(rightHeld, (std::vector<int>{1, 1, 1, 1, 1, 1, 1, 1}));
    EXPECT_EQ(stickX, (std::vector<int>{0, 0, 0, 0, 1000, 1000, 1000, 1000}));
    EXPECT_EQ(button2, (std::vector<int>{0, 0, 0, 0, 0x80, 0x80, 0x80, 0x80}));
    EXPECT_EQ(g_joystickPresent, 0) << "set back to its start after the run";
}

TEST(Replay, EscapeOnAFrameEndsTheGameBeforeThatFrameRuns)
{
    replay::Script script;
    script.frames = 10;
    script.checkpointEvery = 2;
    const std::vector<replay::Checkpoint> recorded = replay::Play(script);
    ASSERT_EQ(recorded.size(), 6u);  // frames 0, 2, 4, 6, 8 and the last, 9

    script.keys = {{5, VK_ESCAPE, true}};
    const std::vector<replay::Checkpoint> played = replay::Play(script);
    EXPECT_EQ(fake::Frame(), 5);
    const std::optional<replay::Difference> difference = replay::FirstDifference(recorded, played);
    ASSERT_TRUE(difference);
    EXPECT_EQ(difference->frame, 6);
    EXPECT_EQ(difference->what, "the game ended after the checkpoint of frame 4");

    script.keys = {{0, VK_ESCAPE, true}};  // seen before the first scene runs
    EXPECT_TRUE(replay::Play(script).empty());
    EXPECT_EQ(fake::Frame(), 0);
}

struct Perturbation {
    const char* what;
    int frame;  // changed after this frame is presented, before its checkpoint
    void (*change)();
    int firstDifference;  // -1: the checksum does not see it
};

const Perturbation kPerturbations[] = {
    {"an enemy's position", 100, [] { g_world.enemies[5].pos.x = 1.0f; }, 120},
    {"the craft's state on a checkpoint frame", 60, [] { g_world.player.state = 1; }, 60},
    {"the boss's fire flag", 130, [] { g_world.boss.fireFlag = 1; }, 149},
    {"a listed global", 10, [] { g_joystickPresent = 1; }, 30},
    {"an enemy's mesh pointer", 10, [] { g_world.enemies[5].mesh = reinterpret_cast<ID3DXMesh*>(uintptr_t(64)); }, -1},
    {"an enemy's texture list", 10,
     [] { g_world.enemies[5].textures = reinterpret_cast<IDirect3DTexture9**>(uintptr_t(64)); }, -1},
};

TEST(Replay, AChangeToTheGamesStateFailsAtTheFirstCheckpointAfterIt)
{
    replay::Script script;
    script.frames = 150;
    script.checkpointEvery = 30;
    const std::vector<replay::Checkpoint> recorded = replay::Play(script);
    EXPECT_FALSE(replay::FirstDifference(recorded, replay::Play(script))) << "a run repeats exactly";
    for (const Perturbation& perturbation : kPerturbations) {
        const std::vector<replay::Checkpoint> played = replay::Play(script, [&perturbation](int frame) {
            if (frame == perturbation.frame) perturbation.change();
        });
        const std::optional<replay::Difference> difference = replay::FirstDifference(recorded, played);
        EXPECT_EQ(difference ? difference->frame : -1, perturbation.firstDifference) << perturbation.what;
    }
    EXPECT_EQ(g_world.enemies[5].mesh, nullptr) << "set back to its start after the run";
}

}  // namespace
