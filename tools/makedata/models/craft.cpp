// The player's craft: a delta-winged fighter, nose up the screen, about four units across
// before the stage loading halves it. Its tail stays short of the bottom of the view.
#include <numbers>

#include "models/hull.h"
#include "models/models.h"
#include "models/shapes.h"
#include "models/textures.h"

namespace makedata {

namespace {

constexpr float kEighth = std::numbers::pi_v<float> / 8.0f;

// The wings droop towards their tips, so the right wing's top faces the light.
Points Droop(Points points, float rootX, float slope)
{
    for (Vec3& p : points) p.y -= (std::fabs(p.x) - rootX) * slope;
    return points;
}

}  // namespace

Mesh BuildCraft()
{
    Mesh mesh;
    MeshBuilder builder(mesh);
    builder.UseMaterial({{0.6f, 0.6f, 0.62f}, kCraftTexture, 1.0f});
    AddHull(builder, Join({Ring({0.0f, 0.0f, -1.3f}, kAxisX, kAxisY, 0.42f, 0.3f, 8, kEighth),
                           Ring({0.0f, 0.02f, -0.3f}, kAxisX, kAxisY, 0.56f, 0.42f, 8, kEighth),
                           Ring({0.0f, 0.02f, 1.0f}, kAxisX, kAxisY, 0.42f, 0.34f, 8, kEighth),
                           Ring({0.0f, 0.0f, 2.0f}, kAxisX, kAxisY, 0.2f, 0.18f, 8, kEighth),
                           {{0.0f, -0.02f, 2.75f}}}));

    const Points wing = Droop(
        Slab({{0.4f, 1.1f}, {2.05f, -0.55f}, {2.05f, -1.0f}, {0.4f, -1.25f}}, {}, kAxisX, kAxisZ, kAxisY, 0.2f, 0.07f),
        0.4f, 0.12f);
    AddHull(builder, wing);
    AddHull(builder, MirrorX(wing));

    const float cant = 0.35f;  // radians outwards from upright
    const Points fin =
        Slab({{-1.3f, 0.0f}, {-0.5f, 0.0f}, {-1.05f, 0.8f}, {-1.35f, 0.8f}}, {0.33f, 0.2f, 0.0f}, kAxisZ,
             {std::sin(cant), std::cos(cant), 0.0f}, {std::cos(cant), -std::sin(cant), 0.0f}, 0.08f, 0.03f);
    AddHull(builder, fin);
    AddHull(builder, MirrorX(fin));

    const Points nacelle = Join({Ring({0.3f, -0.05f, -1.45f}, kAxisX, kAxisY, 0.17f, 0.17f, 6),
                                 Ring({0.3f, -0.05f, -0.4f}, kAxisX, kAxisY, 0.19f, 0.19f, 6)});
    AddHull(builder, nacelle);
    AddHull(builder, MirrorX(nacelle));

    builder.UseMaterial({{0.25f, 0.75f, 1.0f}, "", 1.0f});
    AddHull(builder, Join({Ring({0.0f, 0.3f, 0.65f}, kAxisX, kAxisZ, 0.22f, 0.6f, 8),
                           Ring({0.0f, 0.48f, 0.6f}, kAxisX, kAxisZ, 0.12f, 0.35f, 8),
                           {{0.0f, 0.56f, 0.55f}}}));

    builder.UseMaterial({{1.0f, 0.6f, 0.2f}, "", 1.0f});
    const Points glow = Join({Ring({0.3f, -0.05f, -1.46f}, kAxisX, kAxisY, 0.13f, 0.13f, 6),
                              Ring({0.3f, -0.05f, -1.5f}, kAxisX, kAxisY, 0.1f, 0.1f, 6)});
    AddHull(builder, glow);
    AddHull(builder, MirrorX(glow));

    builder.UseMaterial({{1.0f, 0.25f, 0.2f}, "", 1.0f});
    const Points light = BevelBox({1.98f, -0.3f, -1.05f}, {2.12f, -0.14f, -0.55f}, 0.03f);
    AddHull(builder, light);
    AddHull(builder, MirrorX(light));
    return mesh;
}

}  // namespace makedata
