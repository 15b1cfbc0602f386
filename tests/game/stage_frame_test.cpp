// The stage frame on the stand-ins: the order of the enemy steps, the exact entry times,
// the warning sign and the siren, the hand-over to the boss or the ending, the death spin,
// the Space reset and a frame whose scene cannot begin.
#include <cmath>
#include <string>
#include <vector>

#include "fake/fake_sprite.h"
#include "game/ending.h"
#include "game/enemy_patterns.h"
#include "game/play_fixture.h"

namespace {

using StageFrameTest = PlayTest;

int Alpha(const std::string& draw) { return int(std::stoul(draw.substr(draw.rfind("0x")), nullptr, 16) >> 24); }

TEST_F(StageFrameTest, AShotOrMissileSpentOnOneEnemyCannotHitALaterOne)
{
    for (const bool missile : {false, true}) {
        Restart();
        GameObject& first = Enemy(3, 3, {0.0f, 5.0f, 0.0f}, 1, 20.0f);
        GameObject& later = Enemy(7, 3, {0.0f, 5.0f, 0.0f}, 1, 20.0f);
        GameObject& projectile = missile ? g_world.missiles[0] : g_world.playerShots[2];
        projectile.state = 1;
        projectile.pos = D3DXVECTOR3(0.0f, 4.7f, 0.0f);
        projectile.sphere.radius = 1.0f;
        projectile.radiusFactor = 1.0f;
        StageFrame();
        EXPECT_EQ(projectile.state, 0) << missile;
        EXPECT_EQ(first.life, missile ? 10.0f : 19.0f);
        EXPECT_EQ(later.life, 20.0f) << missile;
        EXPECT_EQ(g_energy, missile ? 0 : 1);
        EXPECT_EQ(g_explosionActive[0], missile ? 1 : 0);
        EXPECT_EQ(g_explosionActive[1], 0);
    }
}

TEST_F(StageFrameTest, AnEnemyTouchingTheCraftHurtsItAndIsDrawnTwiceBeforeItIsDestroyed)
{
    for (const uint8_t type : {3, 5}) {
        Restart();
        GameObject& enemy = Enemy(0, type, {0.0f, -10.0f, 0.0f}, 1, 0.5f);
        GameObject& shot = g_world.playerShots[0];
        shot.state = 1;
        shot.pos = D3DXVECTOR3(0.0f, -10.3f, 0.0f);
        shot.sphere.radius = shot.radiusFactor = 1.0f;
        const D3DXVECTOR3 before = enemy.pos;
        GameObject moved = enemy;
        MoveEnemy(moved);
        StageFrame();
        EXPECT_EQ(g_world.player.life, 86.0f) << int(type);
        EXPECT_EQ(Plays("damage"), 1u);
        EXPECT_EQ(DrawsAt(before), 1);
        EXPECT_EQ(DrawsAt(moved.pos), 1) << "the second image, where it moved to";
        EXPECT_EQ(enemy.state, 0);
        EXPECT_EQ(enemy.pos.y, -15.8f);
        EXPECT_EQ(g_energy, 11);
        EXPECT_EQ(Plays("enemydie"), type == 5 ? 0u : 1u);
        EXPECT_EQ(Plays("bossdie"), type == 5 ? 1u : 0u);
    }
}

TEST_F(StageFrameTest, AnEnemyEntersWhenTheStageTimerEqualsItsTimeWhateverItsState)
{
    const struct {
        float timer;
        uint8_t state;
        int failedBegin;
        int entersInFrame;  // -1: never
    } cases[] = {
        {0.0f, 0, -1, 0},  {1.0f, 0, -1, 2}, {0.75f, 0, -1, -1}, {1.25f, 0, -1, -1},
        {1.5f, 1, -1, 3},  // in play, its own clock at the stage time: it enters once more
        {1.0f, 0, 2, -1},  // its frame could not begin the scene
    };
    for (const auto& c : cases) {
        Restart();
        GameObject& enemy = Enemy(0, 3, {0.0f, 5.0f, 0.0f}, c.state);
        enemy.timer = c.timer;
        if (c.failedBegin >= 0) fake::FailBeginScene({c.failedBegin});
        int entered = -1;
        for (int frame = 0; frame < 6; ++frame) {
            const bool before = enemy.state == 1 && enemy.timer == 0.0f;
            StageFrame();
            if (!before && enemy.state == 1 && enemy.timer == 0.0f && entered < 0) entered = frame;
        }
        EXPECT_EQ(entered, c.entersInFrame) << c.timer;
    }
}

TEST_F(StageFrameTest, TheWarningPulsesShowingEachEndTwiceAndHoldsWhenTheSpriteFails)
{
    g_world.player.timer = 5499.5f;
    fake::FailSpriteBegin({60});
    std::vector<int> alphas;
    for (int frame = 0; frame < 177; ++frame) {
        fake::ClearCalls();
        StageFrame();
        for (const std::string& draw : SpriteDraws())
            if (draw.find("game, {110, 200, 490, 360}, {1, 1}, {0, 0}, 0, {130, 160}") != std::string::npos)
                alphas.push_back(Alpha(draw));
        if (frame == 0) {
            EXPECT_TRUE(alphas.empty()) << "not before the stage timer reaches 5500";
        }
    }
    std::vector<int> expected;
    for (int a = 0; a <= 255; a += 3) expected.push_back(a);
    for (int a = 255; a >= 0; a -= 3) expected.push_back(a);
    for (int a = 0; a <= 6; a += 3) expected.push_back(a);
    EXPECT_EQ(alphas, expected);
}

TEST_F(StageFrameTest, NineSirensSoundBeforeTheBossIsStoredAsTheTimerPasses5700)
{
    EnterStage();
    ASSERT_EQ(g_sceneFunc, StageFrame);
    fake::FailBeginScene({4321});  // the siren counts frames that draw nothing, too
    std::vector<float> sirens;
    int frames = 0;
    while (g_sceneFunc == StageFrame && frames < 20000) {
        const float timer = g_world.player.timer;
        fake::ClearCalls();
        StageFrame();
        ++frames;
        if (Plays("siren") > 0) sirens.push_back(timer);
    }
    EXPECT_EQ(sirens, (std::vector<float>{5500, 5525, 5550, 5575, 5600, 5625, 5650, 5675, 5700}));
    EXPECT_EQ(g_sceneFunc, EnterBossPhase);
    EXPECT_EQ(frames, 11401);
    EXPECT_EQ(g_world.player.timer, 5700.5f);
}

TEST_F(StageFrameTest, ACraftLostInTheFrameThatPasses5700GoesToTheEnding)
{
    const struct {
        float timer;
        uint8_t state;
        float z;
        SceneFunc scene;
    } cases[] = {
        {5699.5f, 1, 0.0f, StageFrame},     {5700.0f, 1, 0.0f, EnterBossPhase}, {5700.0f, 2, 10.0f, EnterBossPhase},
        {5700.0f, 2, 14.96f, EndingFrame},  {5699.5f, 2, 14.96f, EndingFrame},
    };
    for (const auto& c : cases) {
        Restart();
        g_sceneFunc = StageFrame;
        g_world.player.timer = c.timer;
        g_world.player.state = c.state;
        g_world.player.pos.z = c.z;
        StageFrame();
        EXPECT_EQ(g_sceneFunc, c.scene) << c.timer << " " << c.z;
    }
}

TEST_F(StageFrameTest, TheDeathSpinTakes300FramesWithoutControlButKeepsTheLaser)
{
    g_sceneFunc = StageFrame;
    GameObject& player = g_world.player;
    player.life = 0.0f;
    g_laserActive = 1;
    StageFrame();
    ASSERT_EQ(player.state, 2);
    fake::PressKey(VK_LEFT);
    int spin = 0;
    while (g_sceneFunc == StageFrame && spin < 400) {
        EXPECT_EQ(player.pos.x, 0.0f) << "steered in spin frame " << spin;
        EXPECT_EQ(g_laserActive, 1);
        StageFrame();
        ++spin;
    }
    EXPECT_EQ(spin, 300);
    EXPECT_EQ(g_sceneFunc, EndingFrame);
    EXPECT_EQ(player.state, 0);
    EXPECT_EQ(player.life, 1.0f);
    const D3DXMATRIX& burst = g_explosionWorld[0];
    EXPECT_EQ(g_explosionActive[0], 1);
    EXPECT_EQ(burst._11, 2.0f);
    EXPECT_NEAR(burst._43, 15.0f, 0.01f);
}

TEST_F(StageFrameTest, SpaceResetsOnlyTheCraftAndItsManoeuvreEvenAfterTheEnding)
{
    const struct {
        uint8_t state;
        float z;
        bool space;
        SceneFunc scene;
    } cases[] = {
        {2, 5.0f, true, StageFrame},
        {2, 14.96f, true, EndingFrame},  // the spin ends first, then the reset still runs
        {2, 5.0f, false, StageFrame},
    };
    for (const auto& c : cases) {
        Restart();
        g_sceneFunc = StageFrame;
        GameObject& player = g_world.player;
        player.state = c.state;
        player.life = -3.0f;
        player.pos = D3DXVECTOR3(4.0f, -2.0f, c.z);
        player.colour[3] = 0.5f;
        g_missilePhase = 1;
        g_laserActive = 1;
        g_world.missiles[4].state = 1;
        g_world.missiles[4].pos = D3DXVECTOR3(1.0f, 1.0f, 0.0f);
        g_energy = 40;
        if (c.space) fake::PressKey(VK_SPACE);
        StageFrame();
        EXPECT_EQ(g_sceneFunc, c.scene);
        EXPECT_EQ(player.state, c.space ? 1 : 2);
        EXPECT_EQ(player.life, c.space ? 87.0f : -3.0f);
        if (c.space) {
            EXPECT_EQ(player.pos, D3DXVECTOR3(0.0f, -10.8f, 0.0f));
            EXPECT_EQ(player.rot, D3DXVECTOR3(-90.0f, 0.0f, 0.0f));
        }
        EXPECT_EQ(g_missilePhase, c.space ? 0 : 1);
        EXPECT_EQ(player.colour[3], c.scene == EndingFrame ? 0.0f : 0.5f);
        EXPECT_EQ(g_laserActive, 1);
        EXPECT_EQ(g_world.missiles[4].state, 1);
        EXPECT_EQ(g_energy, 40);
        EXPECT_EQ(player.timer, 0.5f);
    }
}

TEST_F(StageFrameTest, AFrameThatCannotBeginItsSceneStillKeepsTimeAndPresents)
{
    fake::FailBeginScene({0});
    g_world.walls[1].pos.y = 470.0f;
    GameObject& enemy = Enemy(0, 3, {0.0f, 5.0f, 0.0f}, 0);
    enemy.timer = 0.0f;  // its one chance is the failed frame
    g_world.playerShots[0].state = 1;
    g_world.player.life = 0.0f;
    g_energy = 5;
    StageFrame();
    EXPECT_EQ(fake::CallsStartingWith("EndScene").size(), 0u);
    EXPECT_EQ(fake::CallsStartingWith("Sprite.").size(), 0u);
    EXPECT_EQ(fake::CallsStartingWith("Present").size(), 1u);
    EXPECT_EQ(g_world.walls[1].pos.y, 470.0f);
    EXPECT_EQ(g_world.playerShots[0].pos.y, 0.0f);
    EXPECT_EQ(g_world.player.timer, 0.5f);
    EXPECT_EQ(g_sirenCounter, 1);
    EXPECT_EQ(g_displayedEnergy, 1);
    EXPECT_EQ(g_world.player.state, 2);

    StageFrame();
    EXPECT_EQ(fake::CallsStartingWith("EndScene").size(), 1u);
    EXPECT_EQ(g_world.walls[1].pos.y, 469.5f);
    EXPECT_EQ(enemy.state, 0);
}

TEST_F(StageFrameTest, TheLaserHurtsWaitingEnemiesTooUpToFifteenMinusTheCraftsHeightAndKillsNextFrame)
{
    g_laserActive = 1;
    GameObject& active = Enemy(0, 6, {0.0f, 10.5f, 0.0f}, 1, 1.0f);  // moved to 10 before the beam
    GameObject& waiting = Enemy(1, 6, {0.0f, 15.9f, 0.0f}, 0);       // its lowest face at y 14.9
    GameObject& beyond = Enemy(2, 6, {0.0f, 16.1f, 0.0f}, 0);        // at y 15.1
    StageFrame();
    EXPECT_EQ(active.life, 0.0f);
    EXPECT_EQ(active.state, 1) << "destroyed only by the next frame's enemy steps";
    EXPECT_EQ(waiting.life, 4.0f);
    EXPECT_EQ(beyond.life, 5.0f);
    StageFrame();
    EXPECT_EQ(active.pos.y, -15.8f);
}

TEST_F(StageFrameTest, TheFlameStripIsDrawnOnlyWhileTheCraftFlies)
{
    for (const SceneFunc frame : {StageFrame, BossFrame}) {
        for (const uint8_t state : {0, 1, 2}) {
            Restart();
            g_world.player.state = state;
            frame();
            EXPECT_EQ(g_stripToggle, state == 1 ? 1 : 0) << int(state);
        }
    }
}

TEST_F(StageFrameTest, TheStageSeesAThirdOfPiAtFourThirdsFromOneToAThousand)
{
    EnterStage();
    const D3DMATRIX projection = fake::Device().Transform(D3DTS_PROJECTION);
    EXPECT_FLOAT_EQ(projection._22, std::sqrt(3.0f));          // 1 / tan(pi / 6)
    EXPECT_FLOAT_EQ(projection._11, std::sqrt(3.0f) * 0.75f);  // over the aspect
    EXPECT_FLOAT_EQ(projection._33, 1000.0f / 999.0f);         // far / (far - near)
    EXPECT_FLOAT_EQ(projection._43, -1000.0f / 999.0f);        // -near * far / (far - near)
}

TEST_F(StageFrameTest, AWallReachingExactlyMinus470JumpsTo470)
{
    g_world.walls[0].pos.y = -469.5f;
    g_world.walls[1].pos.y = -469.0f;
    StageFrame();
    EXPECT_EQ(g_world.walls[0].pos.y, 470.0f);
    EXPECT_EQ(g_world.walls[1].pos.y, -469.5f);
}

TEST_F(StageFrameTest, AnEnemyWhoseFireFlagIsDownNeverFiresWhateverItsInterval)
{
    for (const int32_t interval : {1, 2, 50}) {
        Restart();
        GameObject& enemy = Enemy(0, 0, {0.0f, 5.0f, 0.0f});  // its flag rises only at its timer 80
        enemy.fireInterval = interval;
        for (int frame = 0; frame < 60; ++frame) StageFrame();
        EXPECT_EQ(enemy.fireCounter, 0) << interval;
        for (const GameObject& shot : g_world.enemyShots) EXPECT_EQ(shot.state, 0) << interval;
    }
}

}  // namespace
