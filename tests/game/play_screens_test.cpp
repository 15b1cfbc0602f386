// The stage and the boss fight as the game plays them, with the real DATA, through the
// OpenGL device and sprite: saved under build/screens for a look. Each element is probed by
// drawing one frame twice from the same saved state, with and without it: the pixels that
// change are its own, and they lie where the game puts it.
#include <vector>

#include "core/scene.h"
#include "data_models/scene_math.h"
#include "fake/fake_win32.h"
#include "game/boss.h"
#include "game/energy.h"
#include "game/stage.h"
#include "game/stage_loading.h"
#include "game/stage_warning.h"
#include "game_screens_fixture.h"
#include "support/screens.h"

namespace {

// Pixels that differ within `reach` of the place where the stage camera shows the point.
int ChangedAround(const d3d9::Picture& a, const d3d9::Picture& b, const D3DXVECTOR3& world, int reach)
{
    const makedata::Vec3 pixel = scene::StagePixel({world.x, world.y, world.z});
    return Changed(a, b, std::max(0, int(pixel.x) - reach), std::max(0, int(pixel.y) - reach),
                   std::min(640, int(pixel.x) + reach + 1), std::min(480, int(pixel.y) + reach + 1));
}

class PlayScreens : public GameScreensTest {
protected:
    void SetUp() override
    {
        GameScreensTest::SetUp();
        if (IsSkipped() || HasFatalFailure()) return;
        // The scene chain from the loading to the stage's first frame.
        g_sceneFunc = LoadStage;
        for (int step = 0; step < 3; ++step) g_sceneFunc();
        ASSERT_EQ(g_sceneFunc, StageFrame);
        ASSERT_NE(g_world.player.mesh, nullptr) << "run from the build folder, which holds DATA";
    }

    // Frames of the current scene; the picture of the last.
    d3d9::Picture Play(int frames)
    {
        for (int frame = 0; frame < frames; ++frame) g_sceneFunc();
        return Shot();
    }

    // The next frame drawn twice from the state as it is: as it plays, and after `take`
    // has taken something away. The game goes on from the first.
    template <class Take>
    std::pair<d3d9::Picture, d3d9::Picture> WithAndWithout(Take take)
    {
        const game_state::Snapshot before;
        take();
        const d3d9::Picture without = Play(1);
        before.Restore();
        const d3d9::Picture with = Play(1);
        return {with, without};
    }
};

}  // namespace

TEST_F(PlayScreens, EnemiesEnterAndShotsMissilesAndAnExplosionFly)
{
    ASSERT_NO_FATAL_FAILURE(FireUntilThreeEnemiesThenLaunchMissiles());
    ASSERT_GT(Active(g_world.missiles, 11), 0);
    ASSERT_GT(Active(g_world.playerShots, 15), 0);

    std::vector<D3DXVECTOR3> enemies, shots, missiles;
    for (const GameObject& e : g_world.enemies)
        if (e.state == 1 && e.pos.y > -10.0f && e.pos.y < 18.0f) enemies.push_back(e.pos);
    for (const GameObject& s : g_world.playerShots)
        if (s.state != 0) shots.push_back(s.pos);
    for (const GameObject& m : g_world.missiles)
        if (m.state != 0) missiles.push_back(m.pos);
    const auto [play, bare] = WithAndWithout([] {
        for (GameObject& e : g_world.enemies) e.state = e.state == 1 ? 0 : e.state;
        for (GameObject& s : g_world.playerShots) s.state = 0;
        for (GameObject& m : g_world.missiles) m.state = 0;
    });
    EXPECT_TRUE(d3d9::SavePng(ScreenshotPath("play_enemies_shots_missiles.png"), play));
    for (const D3DXVECTOR3& e : enemies) EXPECT_GT(ChangedAround(play, bare, e, 6), 40) << e.x << ", " << e.y;
    for (const D3DXVECTOR3& s : shots) EXPECT_GT(ChangedAround(play, bare, s, 3), 4) << s.x << ", " << s.y;
    for (const D3DXVECTOR3& m : missiles) EXPECT_GT(ChangedAround(play, bare, m, 4), 6) << m.x << ", " << m.y;

    // Play on until something bursts.
    const auto bursting = [] {
        for (int32_t active : g_explosionActive)
            if (active) return true;
        return false;
    };
    for (int frame = 0; frame < 3000 && !bursting(); ++frame) Play(1);
    int slot = 0;
    while (slot < 10 && g_explosionActive[slot] == 0) ++slot;
    ASSERT_LT(slot, 10) << "no explosion in 3000 frames";
    const D3DXVECTOR3 at(g_explosionWorld[slot]._41, g_explosionWorld[slot]._42, g_explosionWorld[slot]._43);
    const auto [burst, calm] = WithAndWithout([] {
        for (int32_t& active : g_explosionActive) active = 0;
    });
    EXPECT_TRUE(d3d9::SavePng(ScreenshotPath("play_explosion.png"), burst));
    EXPECT_GT(ChangedAround(burst, calm, at, 10), 60);
}

TEST_F(PlayScreens, TheLaserRunsUpFromTheCraftAndTheDigitsShowTheEnergy)
{
    g_energy = g_displayedEnergy = 1500;
    const int8_t digits[5] = {0, 1, 5, 0, 0};
    std::copy(digits, digits + 5, g_energyDigits);
    fake::PressKey('C');
    Play(40);
    ASSERT_EQ(g_laserActive, 1);
    const auto [beam, dark] = WithAndWithout([] { g_laserActive = 0; });
    EXPECT_TRUE(d3d9::SavePng(ScreenshotPath("play_laser.png"), beam));
    // The two beams, either side of the craft at the bottom middle, and nothing else.
    const makedata::Vec3 craft = scene::StagePixel({0.0f, -10.8f, 0.0f});
    const int strip = Changed(beam, dark, int(craft.x) - 30, 0, int(craft.x) + 31, int(craft.y) + 10);
    EXPECT_GT(strip, 400);
    EXPECT_EQ(Changed(beam, dark, 0, 0, 640, 480), strip);

    const auto [shown, blank] = WithAndWithout([] {
        for (int8_t& digit : g_energyDigits) digit = 0;
    });
    EXPECT_TRUE(d3d9::SavePng(ScreenshotPath("play_hud.png"), shown));
    // 1, 5, 0 and 0 at x 555 to 614 against a lone 0 at 600: only the digit row changes.
    const int row = Changed(shown, blank, 540, 20, 615, 40);
    EXPECT_GT(row, 100);
    EXPECT_EQ(Changed(shown, blank, 0, 0, 640, 480), row);
}

TEST_F(PlayScreens, TheWarningSignSwellsOverTheCorridor)
{
    g_world.player.timer = 5500.0f;
    Play(85);  // alphas 0, 3, ..., 252 drawn; 255 next
    ASSERT_EQ(g_warningAlpha, 255);
    const auto [sign, clear] = WithAndWithout([] { g_warningAlpha = 0; });
    EXPECT_TRUE(d3d9::SavePng(ScreenshotPath("play_warning.png"), sign));
    const int inside = Changed(sign, clear, 130, 160, 510, 320);
    EXPECT_GT(inside, 5000);
    EXPECT_EQ(Changed(sign, clear, 0, 0, 640, 480), inside);
}

TEST_F(PlayScreens, TheBossRisesBehindTheCraftThenFightsAboveIt)
{
    g_world.player.timer = 5700.0f;
    Play(1);
    ASSERT_EQ(g_sceneFunc, EnterBossPhase);
    Play(1);  // the boss entry, with the real attack timetable
    ASSERT_EQ(g_sceneFunc, BossFrame);
    Play(300);
    ASSERT_EQ(g_bossPhase, 0);
    const auto [rising, empty] = WithAndWithout([] { g_world.boss.state = 0; });
    EXPECT_TRUE(d3d9::SavePng(ScreenshotPath("boss_rising.png"), rising));
    EXPECT_GT(Changed(rising, empty, 0, 0, 640, 480), 1500);  // still far off, small

    // Come down and filled up, in the fight, under the craft's fire.
    StartTheFightFiring();
    Play(60);
    const D3DXVECTOR3 boss = g_world.boss.pos;
    const auto [fight, gone] = WithAndWithout([] { g_world.boss.state = 0; });
    EXPECT_TRUE(d3d9::SavePng(ScreenshotPath("boss_fight.png"), fight));
    EXPECT_GT(ChangedAround(fight, gone, boss, 20), 800);
}
