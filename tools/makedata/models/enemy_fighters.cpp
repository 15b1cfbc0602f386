// The enemies that fly nose first (towards -z, down the screen): the two turners, the
// homer and the fast one. None reaches further than kEnemyMaxHalfHeight up or down.
#include <numbers>

#include "models/enemies.h"
#include "models/hull.h"
#include "models/shapes.h"
#include "models/textures.h"

namespace makedata {

namespace {

constexpr float kPi = std::numbers::pi_v<float>;
constexpr float kEighth = kPi / 8.0f;

Points Mirrored(const Points& points, bool mirror)
{
    return mirror ? MirrorX(points) : points;
}

}  // namespace

// A pod under a crescent wing whose tips sweep back, the crescent tilted to one side; the
// other turner is its mirror image, tilted the other way.
Mesh BuildTurner(int type, Colour eye, bool mirror)
{
    Mesh mesh;
    MeshBuilder builder(mesh);
    builder.UseMaterial({{0.55f, 0.55f, 0.55f}, kEnemyTextures[type], 0.5f});
    AddHull(builder, Join({Ring({0.0f, 0.0f, -1.0f}, kAxisX, kAxisY, 0.16f, 0.14f, 6),
                           Ring({0.0f, 0.0f, -0.5f}, kAxisX, kAxisY, 0.32f, 0.3f, 8, kEighth),
                           Ring({0.0f, 0.0f, 0.3f}, kAxisX, kAxisY, 0.28f, 0.25f, 8, kEighth),
                           Ring({0.0f, 0.0f, 0.7f}, kAxisX, kAxisY, 0.14f, 0.12f, 6)}));
    // The crescent: segments of a ring below a centre above the pod, thick in the middle.
    constexpr int kSegments = 6;
    const float lean = 0.2f;  // radians
    auto edge = [&](int i, float radius) {
        const float angle = kPi * (1.12f + 0.76f * static_cast<float>(i) / kSegments) + lean;
        return std::array<float, 2>{std::cos(angle) * radius, 0.6f + std::sin(angle) * radius};
    };
    for (int i = 0; i < kSegments; ++i) {
        const float middle = 1.0f - std::fabs(static_cast<float>(2 * i + 1 - kSegments) / kSegments);
        const float width = 0.2f + 0.35f * middle;
        AddHull(builder,
                Mirrored(Slab({edge(i, 1.4f), edge(i + 1, 1.4f), edge(i + 1, 1.4f - width), edge(i, 1.4f - width)}, {},
                              kAxisX, kAxisZ, kAxisY, 0.1f + 0.12f * middle, 0.04f),
                         mirror));
    }
    builder.UseMaterial({eye, "", 1.0f});
    AddHull(builder, Join({Ring({0.0f, 0.16f, -0.75f}, kAxisX, kAxisZ, 0.14f, 0.2f, 6), {{0.0f, 0.3f, -0.7f}}}));
    return mesh;
}

// A slim dart with swept fins and a dorsal fin: it turns its nose after the craft.
Mesh BuildHomer()
{
    Mesh mesh;
    MeshBuilder builder(mesh);
    builder.UseMaterial({{0.55f, 0.55f, 0.55f}, kEnemyTextures[4], 0.5f});
    AddHull(builder, Join({Ring({0.0f, 0.0f, -0.2f}, kAxisX, kAxisY, 0.38f, 0.28f, 6),
                           Ring({0.0f, 0.0f, 0.8f}, kAxisX, kAxisY, 0.22f, 0.2f, 6),
                           {{0.0f, 0.0f, -1.3f}, {0.0f, 0.0f, 1.05f}}}));
    const Points fin =
        Slab({{0.25f, -0.1f}, {0.95f, 0.85f}, {0.95f, 1.05f}, {0.2f, 0.7f}}, {}, kAxisX, kAxisZ, kAxisY, 0.1f, 0.03f);
    AddHull(builder, fin);
    AddHull(builder, MirrorX(fin));
    AddHull(builder, Slab({{0.2f, 0.1f}, {0.62f, 0.85f}, {0.62f, 1.0f}, {0.18f, 0.8f}}, {}, kAxisY, kAxisZ, kAxisX,
                          0.08f, 0.02f));
    builder.UseMaterial({{1.0f, 0.95f, 0.3f}, "", 1.0f});
    AddHull(builder, Join({Ring({0.0f, 0.12f, -0.75f}, kAxisX, kAxisZ, 0.12f, 0.22f, 6), {{0.0f, 0.24f, -0.7f}}}));
    return mesh;
}

// A broad armoured bomber with two engine pods; it is through the screen in a second.
Mesh BuildFastOne()
{
    Mesh mesh;
    MeshBuilder builder(mesh);
    builder.UseMaterial({{0.55f, 0.55f, 0.55f}, kEnemyTextures[6], 0.5f});
    AddHull(builder, Join({Ring({0.0f, 0.0f, -0.6f}, kAxisX, kAxisY, 0.45f, 0.3f, 8, kEighth),
                           Ring({0.0f, 0.0f, 0.6f}, kAxisX, kAxisY, 0.55f, 0.35f, 8, kEighth),
                           Ring({0.0f, 0.0f, 1.3f}, kAxisX, kAxisY, 0.4f, 0.25f, 8, kEighth),
                           {{0.0f, 0.0f, -1.4f}}}));
    const Points wing =
        Slab({{0.4f, -0.7f}, {1.5f, 0.7f}, {1.5f, 1.05f}, {0.4f, 1.1f}}, {}, kAxisX, kAxisZ, kAxisY, 0.2f, 0.06f);
    AddHull(builder, wing);
    AddHull(builder, MirrorX(wing));
    const Points pod = Beam({0.95f, -0.05f, -0.25f}, {0.95f, -0.05f, 1.22f}, kAxisX, 0.32f, 0.32f, 0.08f);
    AddHull(builder, pod);
    AddHull(builder, MirrorX(pod));
    builder.UseMaterial({{1.0f, 0.55f, 0.1f}, "", 1.0f});
    const Points exhaust = BevelBox({0.84f, -0.16f, 1.22f}, {1.06f, 0.06f, 1.3f}, 0.02f);
    AddHull(builder, exhaust);
    AddHull(builder, MirrorX(exhaust));
    AddHull(builder, Join({Ring({0.0f, 0.22f, -0.5f}, kAxisX, kAxisZ, 0.16f, 0.35f, 6), {{0.0f, 0.36f, -0.45f}}}));
    return mesh;
}

}  // namespace makedata
