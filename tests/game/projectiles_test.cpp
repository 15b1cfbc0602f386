// The enemy volleys and the flight of every projectile.
#include <vector>

#include "game/actor_fixture.h"
#include "game/enemy_attacks.h"
#include "game/projectiles.h"

namespace {

using ProjectilesTest = ActorTest;

std::vector<float> Headings(uint8_t state)
{
    std::vector<float> headings;
    for (const GameObject& shot : g_world.enemyShots)
        if (shot.state == state) headings.push_back(shot.rot.z);
    return headings;
}

TEST_F(ProjectilesTest, TheSpreadFliesRightOfTheAimAtItAndLeftInThatOrder)
{
    const float tiny = 6.93842587e-20f;  // its normalised difference comes out longer than 1
    const struct {
        D3DXVECTOR3 target;
        int freeSlots;
        std::vector<float> headings;
    } cases[] = {
        {{0, -5, 0}, 50, {10, 0, -10}},   {{0, 5, 0}, 50, {190, 180, 170}}, {{4, -4, 0}, 50, {55, 45, 35}},
        {{-4, -4, 0}, 50, {-35, -45, -55}}, {{0, -5, 0}, 1, {10}},        {{0, -5, 0}, 2, {10, 0}},
        {{0, -tiny, 0}, 50, {10, 0, -10}},  {{0, 0, 0}, 50, {100, 90, 80}},
    };
    for (const auto& c : cases) {
        g_world = GameWorld();
        for (int i = c.freeSlots; i < 50; ++i) g_world.enemyShots[49 - i].state = 2;
        GameObject target, shooter;
        target.pos = c.target;
        FireAimedSpread(target, shooter, g_world.enemyShots);
        const std::vector<float> headings = Headings(1);
        ASSERT_EQ(headings.size(), c.headings.size()) << c.target.x << ", " << c.target.y;
        for (size_t k = 0; k < headings.size(); ++k) EXPECT_NEAR(headings[k], c.headings[k], 1e-4f) << c.target.y;
    }
}

TEST_F(ProjectilesTest, TheRingLeavesThirtyDegreesApartFromTheFreeSlots)
{
    GameObject shooter;
    shooter.pos = D3DXVECTOR3(1.0f, 2.0f, 3.0f);
    g_world.enemyShots[1].state = 1;
    g_world.enemyShots[5].timer = 44.0f;
    FireRing(g_world.player, &shooter, g_world.enemyShots);
    EXPECT_EQ(Headings(2), (std::vector<float>{0, 30, 60, 90, 120, 150, 180, 210, 240, 270, 300, 330}));
    EXPECT_EQ(g_world.enemyShots[12].state, 2);
    EXPECT_EQ(g_world.enemyShots[13].state, 0);
    EXPECT_EQ(g_world.enemyShots[5].timer, 0.0f);
    EXPECT_EQ(g_world.enemyShots[5].pos, shooter.pos);
}

TEST_F(ProjectilesTest, EnemyShotsHurtTheCraftInAnyStateEvenAsTheyLeave)
{
    GameObject& player = g_world.player;
    player.sphere.radius = 1.0f;
    player.radiusFactor = 1.0f;
    player.life = 87.0f;
    for (uint8_t shotState : {1, 2}) {
        for (uint8_t playerState : {0, 1, 2}) {
            player.state = playerState;
            player.pos = D3DXVECTOR3(0.0f, -13.0f, 0.0f);
            GameObject shot;
            shot.state = shotState;
            shot.pos = D3DXVECTOR3(0.0f, -12.9f, 0.0f);  // leaves the box in this call
            shot.rot.z = -5.0f;
            shotState == 1 ? UpdateEnemyShot(&shot) : UpdateRingShot(&shot);
            EXPECT_EQ(shot.state, 0);
        }
    }
    EXPECT_EQ(player.life, 87.0f - 6 * 2.0f);
    EXPECT_EQ(Plays("damage"), 3u) << "only the ring shots sound";
}

TEST_F(ProjectilesTest, ARingShotLoops300DegreesInSixtyFramesThenCurvesSlowly)
{
    g_world.player.pos = D3DXVECTOR3(100.0f, 0.0f, 0.0f);
    GameObject shot;
    shot.state = 2;
    shot.pos = D3DXVECTOR3(0.0f, 4.0f, 0.0f);
    for (int frame = 0; frame < 60; ++frame) UpdateRingShot(&shot);
    EXPECT_EQ(shot.rot.z, 300.0f);
    UpdateRingShot(&shot);
    EXPECT_EQ(shot.rot.z, 300.5f);
    EXPECT_EQ(shot.timer, 61.0f);
    EXPECT_EQ(shot.state, 2);
}

TEST_F(ProjectilesTest, MissilesClimbOnceLevelAndLeaveOnlyAboveTheTop)
{
    GameObject missile;
    missile.state = 1;
    missile.pos = D3DXVECTOR3(-10.5f, -8.0f, -0.4f);
    UpdateMissile(&missile, 0);
    EXPECT_EQ(missile.pos, D3DXVECTOR3(-10.5f, -7.5f, 0.0f));

    missile.pos = D3DXVECTOR3(50.0f, 20.0f, 0.0f);  // far outside in x
    UpdateMissile(&missile, 10);
    EXPECT_EQ(missile.state, 1);
    EXPECT_EQ(Plays("enemydie"), 0u);
    missile.pos.y = 21.0f;
    UpdateMissile(&missile, 10);
    EXPECT_EQ(missile.state, 0);
    EXPECT_EQ(Plays("enemydie"), 1u);
}

TEST_F(ProjectilesTest, BombsFallFasterByTheirRankAndTumble)
{
    for (int k = 0; k < 4; ++k) {
        GameObject bomb;
        bomb.state = 1;
        bomb.rot.z = 90.0f;
        UpdateBossBomb(&bomb, k);
        EXPECT_NEAR(bomb.pos.x, 0.05f * float(k + 1), 1e-6f) << k;
        EXPECT_NEAR(bomb.pos.y, 0.0f, 1e-6f) << k;
        EXPECT_EQ(bomb.rot.x, 12.0f);
    }
    GameObject bomb;
    bomb.state = 1;
    bomb.pos = D3DXVECTOR3(3.0f, -12.99f, 1.0f);
    UpdateBossBomb(&bomb, 0);
    EXPECT_EQ(bomb.state, 0);
    EXPECT_EQ(bomb.pos, D3DXVECTOR3(0.0f, 0.0f, 0.0f));
}

}  // namespace
