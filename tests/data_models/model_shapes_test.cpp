// The models are shaped for the game's rules: the craft stays in view and in the play box
// wherever it is steered, and the boss's pods stand where shots and missiles are tested.
#include <gtest/gtest.h>

#include "graphics/model_fixture.h"
#include "models/models.h"
#include "scene_math.h"

using namespace makedata;

namespace {

TEST(ModelShapes, CraftSeenFromTheStageCameraFitsThePlayBox)
{
    const Mesh craft = BuildCraft();
    const D3DXMATRIX camera = scene::StageViewProjection();
    for (float x : {kCraftMinX, kCraftMaxX}) {
        for (float y : {kCraftMinY, kCraftMaxY}) {
            for (float bank : {-kCraftMaxBank, 0.0f, kCraftMaxBank}) {
                const D3DXMATRIX place = scene::WorldMatrix(kCraft.scale, {kLoadRotationX, bank, 0.0f}, {x, y, 0.0f});
                for (const Vertex& vertex : craft.vertices) {
                    const Vec3 world = scene::Transformed(vertex.position, place);
                    ASSERT_GE(world.x, kPlayMinX);
                    ASSERT_LE(world.x, kPlayMaxX);
                    ASSERT_GE(world.y, kPlayMinY);
                    ASSERT_LE(world.y, kPlayMaxY);
                    const Vec3 seen = scene::Transformed(world, camera);
                    ASSERT_LE(std::fabs(seen.x), 1.0f) << "at (" << x << ", " << y << ") banked " << bank;
                    ASSERT_LE(std::fabs(seen.y), 1.0f) << "at (" << x << ", " << y << ") banked " << bank;
                }
            }
        }
    }
}

TEST(ModelShapes, CraftIsAboutFourUnitsAcrossBeforeItsScale)
{
    float low = 0.0f, high = 0.0f;
    for (const Vertex& vertex : BuildCraft().vertices) {
        low = std::min(low, vertex.position.x);
        high = std::max(high, vertex.position.x);
    }
    EXPECT_NEAR(high - low, 4.0f, 0.5f);
}

// Distance along `direction` (unit length) from `origin` to the loaded mesh placed by
// `world`, as D3DXIntersect finds it in model space; negative when the ray meets none.
float RayDistance(ID3DXMesh* mesh, const D3DXMATRIX& world, Vec3 origin, Vec3 direction)
{
    D3DXMATRIX inverse;
    D3DXMatrixInverse(&inverse, nullptr, &world);
    const Vec3 start = scene::Transformed(origin, inverse);
    const Vec3 along = scene::Transformed(origin + direction, inverse) - start;
    const D3DXVECTOR3 position(start.x, start.y, start.z), towards(along.x, along.y, along.z);
    BOOL hit = FALSE;
    float distance = 0.0f;
    EXPECT_EQ(D3DXIntersect(mesh, &position, &towards, &hit, nullptr, nullptr, nullptr, &distance, nullptr, nullptr),
              D3D_OK);
    return hit ? distance : -1.0f;
}

using BossModel = ModelFixture;

// Shots and missiles fly at depth 0 while the boss bounces between depths -1 and 1; the
// game looks for them 5.5 to 8.5 units beside the boss's centre at its own height. A shot
// climbing there must meet a pod near that height, and one up the middle must meet
// nothing at its depth, in the model as drawn and as the ray tests turn it (about x the
// other way).
TEST_F(BossModel, PodsStandWhereShotsAreTested)
{
    GameObject& boss = Owner();
    ASSERT_EQ(Load(boss, kBoss.file, {}, {}, {1, 1, 1}, kBoss.colour), 0);
    for (float xTurn : {kLoadRotationX, -kLoadRotationX}) {
        for (float depth : {-kBossMaxZ, 0.0f, kBossMaxZ}) {
            const Vec3 centre = {0.0f, kBossFightY, depth};
            const D3DXMATRIX place = scene::WorldMatrix(1.0f, {xTurn, 0.0f, 0.0f}, centre);
            for (float side : {-1.0f, 1.0f}) {
                for (float out : {kBossFlankInner + 0.1f, kBossFlankInner + kBossFlankReach * 0.5f,
                                  kBossFlankInner + kBossFlankReach - 0.1f}) {
                    const Vec3 start = {side * out, kPlayMinY, 0.0f};
                    const float distance = RayDistance(boss.mesh, place, start, {0.0f, 1.0f, 0.0f});
                    ASSERT_GT(distance, 0.0f) << "x " << side * out << ", depth " << depth << ", turned " << xTurn;
                    EXPECT_NEAR(start.y + distance, kBossFightY, 4.0f);
                }
            }
            for (float x : {0.0f, -3.0f, 3.0f}) {
                EXPECT_LT(RayDistance(boss.mesh, place, {x, kPlayMinY, 0.0f}, {0.0f, 1.0f, 0.0f}), 0.0f)
                    << "a shot up the middle at x " << x << " meets the boss at depth " << depth;
            }
        }
    }
}

// The bombs leave the boss kBossBombDrop below its centre; they should come out of its
// bay at the front, not out of thin air far from it.
TEST(ModelShapes, BossBombsLeaveFromItsBay)
{
    float front = 0.0f;
    for (const Vertex& vertex : BuildBoss().vertices) {
        if (std::fabs(vertex.position.x) < 1.0f) front = std::min(front, vertex.position.z);
    }
    EXPECT_NEAR(front, -kBossBombDrop, 1.5f);
}

// The sky is drawn before the boss and the far ends of the walls, so whatever of them lies
// outside it is hidden: it must hold the boss's whole rise and the walls as far as the
// stage camera sees them (60 units down, 60 ahead, tripled apart in the boss fight).
TEST(ModelShapes, SkyHoldsTheBossRiseAndTheCorridor)
{
    const float sky = MeasureSphere(BuildSky()).radius * kSky.scale;
    for (Point3 p : {kBossRiseLow, kBossRiseHigh}) {
        EXPECT_LT(Length({p.x, p.y, p.z}) + MeasureSphere(BuildBoss()).radius, sky);
    }
    float wallReach = 0.0f;
    for (const Vertex& vertex : BuildWall().vertices) wallReach = std::max(wallReach, std::fabs(vertex.position.x));
    EXPECT_LT(Length({wallReach * kBossWallScaleX, 60.0f, kWallDepth + 60.0f}), sky);
}

}  // namespace
