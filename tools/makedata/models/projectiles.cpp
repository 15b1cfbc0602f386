// What flies: the craft's shot and missile, the enemies' shot, the boss's bomb. Each is
// built symmetric about its centre, so the ray tests, which see a model turned the other
// way about x, meet the same shape that is drawn.
#include <numbers>

#include "models/hull.h"
#include "models/models.h"
#include "models/shapes.h"

namespace makedata {

namespace {

constexpr float kPi = std::numbers::pi_v<float>;

}  // namespace

// A bright bolt, long along its flight.
Mesh BuildShot()
{
    Mesh mesh;
    MeshBuilder builder(mesh);
    builder.UseMaterial({{1.0f, 0.92f, 0.45f}, "", 1.0f});
    AddHull(builder, Join({Ring({}, kAxisX, kAxisY, 0.18f, 0.18f, 6), {{0.0f, 0.0f, 0.7f}, {0.0f, 0.0f, -0.7f}}}));
    builder.UseMaterial({{1.0f, 1.0f, 0.9f}, "", 1.0f});
    AddHull(builder, Join({Ring({0.0f, 0.0f, 0.1f}, kAxisX, kAxisY, 0.1f, 0.1f, 6, kPi / 6.0f),
                           {{0.0f, 0.0f, 0.62f}, {0.0f, 0.0f, -0.45f}, {0.0f, 0.13f, 0.05f}}}));
    return mesh;
}

// A slim rocket with four tail fins and a hot exhaust. The game draws it see-through in a
// red light, so its own glow is red too, or it would read white over the sky.
Mesh BuildMissile()
{
    Mesh mesh;
    MeshBuilder builder(mesh);
    builder.UseMaterial({{0.9f, 0.25f, 0.2f}, "", 1.0f});
    AddHull(builder, Join({Ring({0.0f, 0.0f, -0.65f}, kAxisX, kAxisY, 0.15f, 0.15f, 6),
                           Ring({0.0f, 0.0f, 0.45f}, kAxisX, kAxisY, 0.15f, 0.15f, 6),
                           {{0.0f, 0.0f, 0.95f}}}));
    for (int fin = 0; fin < 4; ++fin) {
        const float angle = kPi / 4.0f + kPi / 2.0f * static_cast<float>(fin);
        const Vec3 out = {std::cos(angle), std::sin(angle), 0.0f};
        AddHull(builder, Slab({{0.1f, -0.7f}, {0.38f, -0.75f}, {0.38f, -0.55f}, {0.1f, -0.2f}}, {}, out, kAxisZ,
                              Cross(kAxisZ, out), 0.05f, 0.015f));
    }
    builder.UseMaterial({{1.0f, 0.55f, 0.15f}, "", 1.0f});
    AddHull(builder, Join({Ring({0.0f, 0.0f, -0.66f}, kAxisX, kAxisY, 0.11f, 0.11f, 6), {{0.0f, 0.0f, -0.95f}}}));
    return mesh;
}

// A spiked energy star, shown at a fifth of its size: four long points in the screen's
// plane, two short ones towards and away from the viewer.
Mesh BuildEnemyShot()
{
    Mesh mesh;
    MeshBuilder builder(mesh);
    builder.UseMaterial({{1.0f, 0.3f, 0.7f}, "", 1.0f});
    AddHull(builder, Ball({}, 0.9f, 8, 3, kAxisX, kAxisZ, kAxisY));
    builder.UseMaterial({{1.0f, 0.75f, 0.95f}, "", 1.0f});
    for (int spike = 0; spike < 4; ++spike) {
        const float angle = kPi / 2.0f * static_cast<float>(spike);
        const Vec3 out = {std::cos(angle), 0.0f, std::sin(angle)};
        AddHull(builder, Join({Ring(out * 0.6f, Cross(out, kAxisY), kAxisY, 0.35f, 0.35f, 4), {out * 1.5f}}));
    }
    for (float side : {-1.0f, 1.0f}) {
        AddHull(builder, Join({Ring(kAxisY * (0.6f * side), kAxisX, kAxisZ, 0.3f, 0.3f, 4, kPi / 4.0f),
                               {kAxisY * (1.15f * side)}}));
    }
    return mesh;
}

// A tumbling crystal bomb: a long octahedral core in a faceted cage.
Mesh BuildBossBomb()
{
    Mesh mesh;
    MeshBuilder builder(mesh);
    builder.UseMaterial({{1.0f, 0.45f, 0.1f}, "", 1.0f});
    AddHull(builder, Join({Ring({}, kAxisX, kAxisY, 0.55f, 0.55f, 6), {{0.0f, 0.0f, 1.0f}, {0.0f, 0.0f, -1.0f}}}));
    builder.UseMaterial({{1.0f, 0.85f, 0.3f}, "", 1.0f});
    for (int ring = 0; ring < 3; ++ring) {
        const float angle = kPi / 3.0f * static_cast<float>(ring);
        const Vec3 out = {std::cos(angle), std::sin(angle), 0.0f};
        AddHull(builder, Beam(out * -0.72f, out * 0.72f, kAxisZ, 0.22f, 0.22f, 0.05f));
    }
    return mesh;
}

}  // namespace makedata
