// The enemy patterns' worked frames and the two hit tests.

#include <cmath>
#include <filesystem>
#include <fstream>

#include "game/actor_fixture.h"
#include "game/collision.h"
#include "game/enemy_patterns.h"
#include "game/flight.h"
#include "graphics/models.h"
#include "graphics/release_model.h"
#include "support/scratch_folder.h"

namespace {

using EnemyPatternsTest = ActorTest;

GameObject Enemy(uint8_t type, D3DXVECTOR3 pos, float heading = 0.0f, float timer = 0.0f)
{
    GameObject enemy;
    enemy.type = type;
    enemy.state = 1;
    enemy.pos = pos;
    enemy.rot.z = heading;
    enemy.timer = timer;
    return enemy;
}

TEST_F(EnemyPatternsTest, EachTypeMovesAtItsOwnSpeed)
{
    g_world.player.pos = D3DXVECTOR3(0.0f, -100.0f, 0.0f);  // out of the homer's reach
    const float down[] = {0.1f, 0.1f, 0.1f, 0.05f, 0.1f, 0.0f, 0.5f, 0.005f};
    for (uint8_t type = 0; type < 8; ++type) {
        GameObject enemy = Enemy(type, {0.0f, 5.0f, -1.0f});
        MoveEnemy(enemy);
        EXPECT_NEAR(5.0f - enemy.pos.y, down[type], 1e-5f) << int(type);
        EXPECT_FLOAT_EQ(enemy.pos.z, type == 5 ? -0.9f : -1.0f) << int(type);
    }
}

TEST_F(EnemyPatternsTest, TheTurnersActOnExactTimers)
{
    const struct {
        uint8_t type;
        float timer, heading, after;
        uint8_t fireFlag;
    } cases[] = {{0, 39.5f, 15.6f, 15.6f + 0.2f, 0}, {0, 40.0f, 15.8f, 15.8f - 0.2f, 0}, {0, 40.5f, 15.6f, 135.0f, 0},
                 {0, 50.0f, 135.0f, 134.8f, 0},     {0, 80.0f, 123.0f, 0.0f, 1},        {0, 80.5f, 0.0f, -0.2f, 0},
                 {1, 40.0f, -15.8f, -15.6f, 0},     {1, 49.5f, 0.0f, 225.0f, 0},        {1, 80.0f, -123.0f, 0.0f, 1},
                 {1, 80.5f, 0.0f, 0.2f, 0}};
    for (const auto& c : cases) {
        GameObject enemy = Enemy(c.type, {0.0f, 5.0f, 0.0f}, c.heading, c.timer);
        MoveEnemy(enemy);
        EXPECT_FLOAT_EQ(enemy.rot.z, c.after) << int(c.type) << " at " << c.timer;
        EXPECT_EQ(enemy.fireFlag, c.fireFlag) << int(c.type) << " at " << c.timer;
        EXPECT_EQ(enemy.timer, c.timer + 0.5f);
    }
}

TEST_F(EnemyPatternsTest, TypeTwoStandsAndFiresFromFiftyUntilTimer160)
{
    GameObject enemy = Enemy(2, {0.0f, 20.0f, 0.0f});
    int standing = 0;
    while (enemy.timer < 170.0f) {
        const float timer = enemy.timer, y = enemy.pos.y;
        MoveEnemy(enemy);
        standing += enemy.pos.y == y;
        EXPECT_EQ(enemy.pos.y == y, timer >= 50.0f && timer < 160.0f) << timer;
        EXPECT_EQ(enemy.fireFlag, timer >= 50.0f ? 1 : 0) << timer;
    }
    EXPECT_EQ(standing, 220);
}

TEST_F(EnemyPatternsTest, ThePlayBoxEdgesAreInsideAndTypeFiveOnlyBursts)
{
    const struct {
        uint8_t type;
        D3DXVECTOR3 pos;
        uint8_t state;
    } cases[] = {{2, {14.0f, 0.0f, 0.0f}, 1},  {2, {-14.0f, 0.0f, 0.0f}, 1},  {2, {0.0f, 21.0f, 0.0f}, 1},
                 {2, {0.0f, -13.0f, 0.0f}, 1}, {2, {14.01f, 0.0f, 0.0f}, 0},  {2, {-14.01f, 0.0f, 0.0f}, 0},
                 {2, {0.0f, 21.01f, 0.0f}, 0}, {2, {0.0f, -13.01f, 0.0f}, 0}, {6, {0.0f, -12.6f, 0.0f}, 0},
                 {5, {100.0f, -50.0f, 0.0f}, 1}};
    for (const auto& c : cases) {
        GameObject enemy = Enemy(c.type, c.pos, 0.0f, 100.0f);  // type 2 stands still at timer 100
        MoveEnemy(enemy);
        EXPECT_EQ(enemy.state, c.state) << c.pos.x << ", " << c.pos.y;
        EXPECT_TRUE(c.state || enemy.timer == 0.0f) << "a retired enemy's timer is cleared";
        EXPECT_TRUE(c.type != 2 || enemy.pos == c.pos) << "a retired enemy stays where it stopped";
    }
    EXPECT_EQ(g_explosionActive[0], 0);

    GameObject bursting = Enemy(5, {30.0f, 40.0f, 0.95f});
    bursting.life = 4.0f;
    MoveEnemy(bursting);
    EXPECT_EQ(bursting.life, 0.0f);
    EXPECT_EQ(bursting.state, 1) << "the frame retires it, not the pattern";
    ASSERT_EQ(g_explosionActive[0], 1);
    EXPECT_EQ(g_explosionWorld[0]._11, 2.0f);
    EXPECT_EQ(D3DXVECTOR3(g_explosionWorld[0]._41, g_explosionWorld[0]._42, 0.0f), D3DXVECTOR3(30, 40, 0));
}

TEST_F(EnemyPatternsTest, TheHomerTurnsADegreeAFrameAndNeverPastTheCraft)
{
    const float s = 10.0f * std::sin(30.0f * kRadiansPerDegree), c = 10.0f * std::cos(30.0f * kRadiansPerDegree);
    const float tiny = 6.93842587e-20f;  // its normalised difference comes out longer than 1
    const struct {
        D3DXVECTOR3 craft;  // the enemy is at the origin
        float heading, after;
    } cases[] = {{{0.0f, -20.0f, 0.0f}, 5.0f, 5.0f},  // exactly 20 away: no turn
                 {{0.0f, -10.0f, 0.0f}, 5.0f, 4.0f},  {{0.0f, -10.0f, 0.0f}, -5.0f, 0.0f},
                 {{s, -c, 0.0f}, 50.0f, 30.0f},       {{s, -c, 0.0f}, 0.0f, 1.0f},
                 {{-s, -c, 0.0f}, -50.0f, -30.0f},    {{1e-25f, -tiny, 0.0f}, 5.0f, 0.0f}};
    for (const auto& k : cases) {
        g_world.player.pos = k.craft;
        GameObject enemy = Enemy(4, {0.0f, 0.0f, 0.0f}, k.heading);
        MoveEnemy(enemy);
        EXPECT_NEAR(enemy.rot.z, k.after, 1e-4f) << k.craft.x << ", " << k.heading;
    }
}

TEST_F(EnemyPatternsTest, SpheresMustOverlapNotJustTouch)
{
    const struct {
        float distance, radiusA, factorA, radiusB, factorB;
        int hit;
    } cases[] = {{0, 0, 0, 0, 0, 0}, {3, 1, 1, 2, 1, 0}, {2.9f, 1, 1, 2, 1, 1}, {3.5f, 1, 2, 1, 1.5f, 0},
                 {3.4f, 1, 2, 1, 1.5f, 1}};
    for (const auto& c : cases) {
        GameObject a, b;
        a.pos = D3DXVECTOR3(1.0f, 2.0f, 3.0f);
        b.pos = a.pos + D3DXVECTOR3(0.0f, 0.0f, c.distance);
        b.sphere.centre = D3DXVECTOR3(100.0f, 0.0f, 0.0f);  // not looked at
        a.sphere.radius = c.radiusA;
        a.radiusFactor = c.factorA;
        b.sphere.radius = c.radiusB;
        b.radiusFactor = c.factorB;
        EXPECT_EQ(HitSpheres(a, b), c.hit) << c.distance;
    }
}

TEST_F(EnemyPatternsTest, TheRayMeetsTheMeshTurnedBackZThenXThenYNotAsItIsDrawn)
{
    // One square in model space, at y = 5, spanning -1 .. 1 in x and z.
    const ScratchFolder scratch("veltrane-ray");
    const auto file = scratch / "square.x";
    std::ofstream(file) << "xof 0303txt 0032\nMesh {\n 4;\n -1.0;5.0;-1.0;, -1.0;5.0;1.0;, 1.0;5.0;1.0;, "
                           "1.0;5.0;-1.0;;\n 1; 4;0,1,2,3;;\n}\n";
    GameObject target, mover;
    ASSERT_EQ(D3DXLoadMeshFromXA(file.c_str(), D3DXMESH_SYSTEMMEM, g_device, nullptr, nullptr, nullptr, nullptr,
                                 &target.mesh),
              D3D_OK);
    const struct {
        D3DXVECTOR3 rot, pos, offset, delta;
        float distance;  // -7: no hit
    } cases[] = {
        {{0, 0, 0}, {3, 0, 0}, {3, 0, 0}, {0, 1, 0}, 5.0f},  // shifted by the target's position
        {{0, 0, 0}, {3, 0, 0}, {0, 0, 0}, {0, 1, 0}, -7.0f},    {{0, 0, 0}, {0, 0, 0}, {0, 0, 0}, {0, 0.5f, 0}, 10.0f},
        {{0, 0, 90}, {0, 0, 0}, {0, 0, 0}, {1, 0, 0}, 5.0f},    {{0, 0, 90}, {0, 0, 0}, {0, 0, 0}, {-1, 0, 0}, -7.0f},
        {{90, 0, 90}, {2, 3, 4}, {2, 3, 4}, {1, 0, 0}, 5.0f},   {{90, 0, 90}, {2, 3, 4}, {2, 3, 4}, {0, 0, 1}, -7.0f},
        {{0, 90, 90}, {0, 0, 0}, {0, 0, 0}, {0, 0, 1}, 5.0f},   {{0, 90, 90}, {0, 0, 0}, {0, 0, 0}, {1, 0, 0}, -7.0f},
    };
    for (const auto& c : cases) {
        target.rot = c.rot;
        target.pos = c.pos;
        float distance = -7.0f;
        EXPECT_EQ(HitRayMesh(mover, c.offset, c.delta, target, &distance), c.distance > 0) << c.rot.x << c.rot.y;
        EXPECT_NEAR(distance, c.distance, 1e-5f) << c.rot.x << c.rot.y << c.rot.z;
    }
    Release(target.mesh);
    float distance = -7.0f;
    EXPECT_EQ(HitRayMesh(mover, {0, 0, 0}, {0, 1, 0}, target, &distance), 0);
    EXPECT_EQ(distance, -7.0f);
}

TEST_F(EnemyPatternsTest, AMeasuredTargetTurnsAwayOnlyRaysThatWouldMissItsMesh)
{
    // A cube of half-size 1 whose centre lies off the model's origin, so that every turn
    // carries its bounding sphere elsewhere.
    const ScratchFolder scratch("veltrane-offset");
    const auto file = scratch / "cube.x";
    std::ofstream(file) << "xof 0303txt 0032\nMesh {\n 8;\n"
                           " 2;-1;-1;, 4;-1;-1;, 4;1;-1;, 2;1;-1;, 2;-1;1;, 4;-1;1;, 4;1;1;, 2;1;1;;\n"
                           " 6;\n 4;0,1,2,3;, 4;4,5,6,7;, 4;0,1,5,4;, 4;3,2,6,7;, 4;0,3,7,4;, 4;1,2,6,5;;\n}\n";
    GameObject measured, mover;
    ASSERT_EQ(D3DXLoadMeshFromXA(file.c_str(), D3DXMESH_SYSTEMMEM, g_device, nullptr, nullptr, nullptr, nullptr,
                                 &measured.mesh),
              D3D_OK);
    measured.scale = D3DXVECTOR3(1.0f, 1.0f, 1.0f);
    ASSERT_EQ(ComputeBoundingSphere(&measured, 1.0f), D3D_OK);
    GameObject unmeasured = measured;
    unmeasured.sphere.radius = 0.0f;  // always tested in full
    const D3DXVECTOR3 deltas[] = {{0, 1, 0}, {1, 0, 0}, {0, 0, -1}, {0.6f, -0.8f, 0}, {0, 0.5f, 0}};
    int hits = 0, misses = 0;
    for (const D3DXVECTOR3 rot : {D3DXVECTOR3(0, 0, 0), D3DXVECTOR3(-90, 0, 30), D3DXVECTOR3(-90, 140, 250)}) {
        measured.rot = unmeasured.rot = rot;
        measured.pos = unmeasured.pos = D3DXVECTOR3(1.0f, 2.0f, 0.0f);
        for (float x = -6.0f; x <= 8.0f; x += 0.25f) {
            for (float y = -6.0f; y <= 8.0f; y += 0.5f) {
                for (const D3DXVECTOR3& delta : deltas) {
                    mover.pos = D3DXVECTOR3(x, y, 0.5f);
                    float full = -7.0f, quick = -7.0f;
                    const int hit = HitRayMesh(mover, {0, 0, 0}, delta, unmeasured, &full);
                    ASSERT_EQ(HitRayMesh(mover, {0, 0, 0}, delta, measured, &quick), hit) << x << ", " << y;
                    ASSERT_EQ(quick, full) << x << ", " << y;
                    (hit ? hits : misses) += 1;
                }
            }
        }
    }
    EXPECT_GT(hits, 500);
    EXPECT_GT(misses, 500);
    ReleaseModel(measured);
}

}  // namespace
