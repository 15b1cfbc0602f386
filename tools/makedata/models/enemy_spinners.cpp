// The enemies that tumble as they go: the standing gunner, the slow spinner and the
// approaching bomb, each a round shape that reads from every side; and the choice of look
// by enemy type.
#include <numbers>

#include "models/enemies.h"
#include "models/hull.h"
#include "models/models.h"
#include "models/shapes.h"
#include "models/textures.h"

namespace makedata {

namespace {

constexpr float kPi = std::numbers::pi_v<float>;

Vec3 InScreenPlane(float angle, float distance)
{
    return {std::cos(angle) * distance, 0.0f, std::sin(angle) * distance};
}

}  // namespace

// A gyroscope: a core in a ring with six guns, the ring it fires in.
Mesh BuildGunner()
{
    Mesh mesh;
    MeshBuilder builder(mesh);
    builder.UseMaterial({{0.55f, 0.55f, 0.55f}, kEnemyTextures[2], 0.5f});
    for (int segment = 0; segment < 12; ++segment) {
        const float a0 = kPi / 6.0f * static_cast<float>(segment), a1 = a0 + kPi / 6.0f;
        AddHull(builder, Slab({{std::cos(a0) * 0.82f, std::sin(a0) * 0.82f},
                               {std::cos(a0) * 1.04f, std::sin(a0) * 1.04f},
                               {std::cos(a1) * 1.04f, std::sin(a1) * 1.04f},
                               {std::cos(a1) * 0.82f, std::sin(a1) * 0.82f}},
                              {}, kAxisX, kAxisZ, kAxisY, 0.2f, 0.04f));
    }
    for (int spoke = 0; spoke < 3; ++spoke) {
        const float angle = kPi / 3.0f * static_cast<float>(spoke) + kPi / 6.0f;
        AddHull(builder, Beam(InScreenPlane(angle, -0.86f), InScreenPlane(angle, 0.86f), kAxisY, 0.14f, 0.1f, 0.02f));
    }
    builder.UseMaterial({{0.3f, 0.3f, 0.34f}, "", 1.0f});
    for (int gun = 0; gun < 6; ++gun) {
        const float angle = kPi / 3.0f * static_cast<float>(gun);
        AddHull(builder, Beam(InScreenPlane(angle, 1.0f), InScreenPlane(angle, 1.32f), kAxisY, 0.16f, 0.16f, 0.03f));
    }
    builder.UseMaterial({{0.95f, 0.35f, 1.0f}, "", 1.0f});
    AddHull(builder, Ball({}, 0.55f, 8, 3, kAxisX, kAxisZ, kAxisY));
    return mesh;
}

// An armoured cog, eight teeth round a domed hub: heavy, slow, turning over and over.
Mesh BuildSpinner()
{
    Mesh mesh;
    MeshBuilder builder(mesh);
    builder.UseMaterial({{0.55f, 0.55f, 0.55f}, kEnemyTextures[3], 0.5f});
    std::vector<std::array<float, 2>> octagon;
    for (int corner = 0; corner < 8; ++corner) {
        const float angle = kPi / 4.0f * static_cast<float>(corner) + kPi / 8.0f;
        octagon.push_back({std::cos(angle) * 1.1f, std::sin(angle) * 1.1f});
    }
    AddHull(builder, Slab(octagon, {}, kAxisX, kAxisZ, kAxisY, 0.55f, 0.14f));
    for (int tooth = 0; tooth < 8; ++tooth) {
        const float angle = kPi / 4.0f * static_cast<float>(tooth);
        AddHull(builder, Beam(InScreenPlane(angle, 0.95f), InScreenPlane(angle, 1.44f), kAxisY, 0.36f, 0.42f, 0.1f));
    }
    builder.UseMaterial({{0.35f, 0.33f, 0.33f}, "", 1.0f});
    for (float side : {-1.0f, 1.0f}) {
        AddHull(builder, Ball({0.0f, 0.22f * side, 0.0f}, 0.48f, 8, 2, kAxisX, kAxisZ, kAxisY));
    }
    builder.UseMaterial({{1.0f, 0.3f, 0.15f}, "", 1.0f});
    for (float side : {-1.0f, 1.0f}) {
        AddHull(builder,
                Join({Ring({0.0f, 0.66f * side, 0.0f}, kAxisX, kAxisZ, 0.2f, 0.2f, 8), {{0.0f, 0.74f * side, 0.0f}}}));
    }
    return mesh;
}

// A spiked mine in hazard stripes, glowing at its spike tips.
Mesh BuildMine()
{
    Mesh mesh;
    MeshBuilder builder(mesh);
    builder.UseMaterial({{0.6f, 0.6f, 0.6f}, kEnemyTextures[5], 1.0f});
    AddHull(builder, Ball({}, 0.72f, 10, 4, kAxisX, kAxisZ, kAxisY));
    const uint32_t metal = builder.UseMaterial({{0.3f, 0.3f, 0.32f}, "", 1.0f});
    const uint32_t glow = builder.UseMaterial({{1.0f, 0.2f, 0.1f}, "", 1.0f});
    const Vec3 directions[] = {kAxisX, kAxisY, kAxisZ, kAxisX * -1.0f, kAxisY * -1.0f, kAxisZ * -1.0f};
    for (const Vec3& out : directions) {
        const Vec3 side = std::fabs(out.y) > 0.5f ? kAxisX : kAxisY;
        builder.UseMaterialIndex(metal);
        AddHull(builder, Join({Ring(out * 0.6f, side, Cross(out, side), 0.2f, 0.2f, 6), {out * 1.0f}}));
        builder.UseMaterialIndex(glow);
        AddHull(builder, Join({Ring(out * 0.97f, side, Cross(out, side), 0.05f, 0.05f, 6), {out * 1.1f}}));
    }
    return mesh;
}

Mesh BuildEnemy(int type)
{
    switch (type) {
        case 0: return BuildTurner(0, {1.0f, 0.25f, 0.2f}, false);
        case 1: return BuildTurner(1, {0.3f, 0.9f, 1.0f}, true);
        case 2: return BuildGunner();
        case 3: return BuildSpinner();
        case 4: return BuildHomer();
        case 5: return BuildMine();
        default: return BuildFastOne();
    }
}

}  // namespace makedata
