// The numbers the models and the stage are built around, shared by the generator and the
// tests. World units unless said otherwise; model units are world units before the scale
// the stage loading gives a model.
#pragma once

namespace makedata {

struct Point3 {
    float x, y, z;
};

// The play box: shots, bombs and enemies leave the play beyond it.
inline constexpr float kPlayMinX = -14.0f;
inline constexpr float kPlayMaxX = 14.0f;
inline constexpr float kPlayMinY = -13.0f;
inline constexpr float kPlayMaxY = 21.0f;

// Where the craft can be steered, and how far it banks (degrees about world y).
inline constexpr float kCraftMinX = -10.5f;
inline constexpr float kCraftMaxX = 10.5f;
inline constexpr float kCraftMinY = -10.8f;
inline constexpr float kCraftMaxY = 15.0f;
inline constexpr float kCraftMaxBank = 30.0f;

// The stage camera and the projection every model is drawn with.
inline constexpr Point3 kStageEye = {0.0f, -10.0f, -20.0f};
inline constexpr Point3 kStageLookAt = {0.0f, 0.0f, 1.0f};
inline constexpr float kFieldOfView = 1.0471976f;  // radians, vertical
inline constexpr float kAspect = 1.3333334f;
inline constexpr float kNearPlane = 1.0f;
inline constexpr float kFarPlane = 1000.0f;
inline constexpr int kScreenWidth = 640;
inline constexpr int kScreenHeight = 480;

// Every model is loaded turned -90 degrees about x: model +z becomes screen up (world +y)
// and model +y faces the viewer (world -z).
inline constexpr float kLoadRotationX = -90.0f;

// One model as the stage loading places it. radius is the bounding radius the model is
// built to (mean of the vertices as centre, farthest vertex as radius, in model units);
// sphereFactor is the factor the stage loading passes when measuring it, 0 where it is
// never measured. The collision radius is radius * sphereFactor * scale.
struct ModelSpec {
    const char* file;  // as the game names it, relative to the run folder
    float radius;
    float scale;
    float sphereFactor;
    float colour[4];
};

inline constexpr ModelSpec kWall = {"./DATA/XFILE/wall.x", 242.586f, 1.0f, 0.0f, {0.8f, 0.8f, 0.8f, 1.0f}};
// The sky is scaled by 80 around the origin; at radius 2.5 it also holds the boss's rise,
// which would otherwise happen outside it, hidden behind it.
inline constexpr ModelSpec kSky = {"./DATA/XFILE/skysphere.x", 2.5f, 80.0f, 0.0f, {0.8f, 0.8f, 0.8f, 1.0f}};
inline constexpr ModelSpec kCraft = {"./DATA/XFILE/jiki.x", 3.223f, 0.5f, 0.5f, {1.0f, 1.0f, 1.0f, 1.0f}};
inline constexpr ModelSpec kShot = {"./DATA/XFILE/tama.x", 0.745f, 1.0f, 1.0f, {1.0f, 1.0f, 1.0f, 1.0f}};
inline constexpr ModelSpec kMissile = {"./DATA/XFILE/missile.x", 1.425f, 1.0f, 0.5f, {1.0f, 0.0f, 0.0f, 0.4f}};
inline constexpr ModelSpec kEnemyShot = {"./DATA/XFILE/EnemyTama00.x", 1.5f, 0.2f, 1.0f, {1.0f, 1.0f, 1.0f, 1.0f}};
inline constexpr ModelSpec kBossBomb = {"./DATA/XFILE/BossBom.x", 1.0f, 1.0f, 1.0f, {1.0f, 1.0f, 1.0f, 0.5f}};
inline constexpr ModelSpec kBoss = {"./DATA/XFILE/Boss1.x", 9.578f, 1.0f, 0.0f, {1.0f, 1.0f, 1.0f, 1.0f}};
inline constexpr ModelSpec kEnemies[7] = {
    {"./DATA/XFILE/Enemy0.x", 1.399f, 1.0f, 1.0f, {1.0f, 1.0f, 1.0f, 1.0f}},
    {"./DATA/XFILE/Enemy1.x", 1.399f, 1.0f, 1.0f, {1.0f, 1.0f, 1.0f, 1.0f}},
    {"./DATA/XFILE/Enemy2.x", 1.322f, 1.0f, 1.0f, {1.0f, 1.0f, 1.0f, 1.0f}},
    {"./DATA/XFILE/Enemy3.x", 1.446f, 1.0f, 0.8f, {1.0f, 1.0f, 1.0f, 1.0f}},
    {"./DATA/XFILE/Enemy4.x", 1.747f, 1.0f, 0.5f, {1.0f, 1.0f, 1.0f, 1.0f}},
    {"./DATA/XFILE/Enemy5.x", 1.1f, 1.0f, 1.0f, {1.0f, 1.0f, 1.0f, 1.0f}},
    {"./DATA/XFILE/Enemy6.x", 2.044f, 1.0f, 1.0f, {1.0f, 1.0f, 1.0f, 1.0f}},
};

// An enemy waits at this height above the play until it enters (type 5 waits at its own
// height, this depth); the laser reaches up to kLaserTop, so no enemy may reach down
// kEnemyMaxHalfHeight from its centre, or the beam would wear it down before it enters.
inline constexpr float kEnemyEntryY = 16.5f;
inline constexpr float kBomberEntryZ = -10.0f;
inline constexpr float kLaserTop = 15.0f;
inline constexpr float kEnemyMaxHalfHeight = kEnemyEntryY - kLaserTop;

// The corridor: each wall model holds one slab either side, kWallLength long, centred on
// its origin; two of them kWallLength apart scroll down and leapfrog into an endless
// corridor. In the boss fight their x scale triples.
inline constexpr float kWallLength = 470.0f;
inline constexpr float kWallDepth = 5.0f;  // world z of the wall model's origin
inline constexpr float kWallInnerX = 15.0f;
inline constexpr float kBossWallScaleX = 3.0f;
// A wall moves this far down a frame; one that reaches -kWallLength jumps to kWallLength.
inline constexpr float kWallScrollStep = 0.5f;

// The boss fights at this height, bouncing within these x and z; the projectile tests
// look for shots and missiles beside it, kBossFlankInner to kBossFlankInner + kBossFlankReach
// from its centre at its own height, so its flanks are built there.
inline constexpr float kBossFightY = 9.0f;
inline constexpr float kBossMaxX = 10.0f;
inline constexpr float kBossMaxZ = 1.0f;
inline constexpr float kBossFlankInner = 5.5f;
inline constexpr float kBossFlankReach = 3.0f;
inline constexpr float kBossBombDrop = 6.0f;  // bombs leave this far below the boss's centre
// Before the fight the boss rises from kBossRiseLow to kBossRiseHigh at this x and depth,
// which the sky must enclose.
inline constexpr Point3 kBossRiseLow = {10.0f, -120.0f, -70.0f};
inline constexpr Point3 kBossRiseHigh = {10.0f, 170.0f, -70.0f};
// The boss's rise is watched from kRiseEyeLeft left of the craft at depth kRiseEyeZ,
// looking at the boss; the walls have widened for the fight by then.
inline constexpr float kRiseEyeLeft = 1.0f;
inline constexpr float kRiseEyeZ = 5.0f;

}  // namespace makedata
