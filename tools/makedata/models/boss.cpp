// The boss: a fortress whose hull lies deep below the play, carried between two gun pods
// that rise to the play's own depth on its flanks. Shots and missiles are tested only
// there, beside its centre, so they fly over the hull and burst on the pods. The pods are
// symmetric in y and z, so the ray tests, which see the model turned the other way about
// x, find them where they are drawn.
#include <numbers>

#include "models/hull.h"
#include "models/model_sizes.h"
#include "models/models.h"
#include "models/shapes.h"
#include "models/textures.h"

namespace makedata {

namespace {

constexpr float kEighth = std::numbers::pi_v<float> / 8.0f;
constexpr float kPodX = kBossFlankInner + kBossFlankReach * 0.5f;  // the pods' centre line
constexpr float kPodHalfWidth = kBossFlankReach * 0.5f + 0.1f;

// A pod's cross-section at z: a rectangle with cut corners, full height almost to its
// sides, so a shot beside the boss meets it whichever depth the boss has bounced to.
Points PodSection(float z, float halfWidth, float halfHeight, float cut)
{
    Points points;
    for (float sx : {-1.0f, 1.0f}) {
        for (float sy : {-1.0f, 1.0f}) {
            points.push_back({kPodX + sx * halfWidth, sy * (halfHeight - cut), z});
            points.push_back({kPodX + sx * (halfWidth - cut), sy * halfHeight, z});
        }
    }
    return points;
}

}  // namespace

Mesh BuildBoss()
{
    Mesh mesh;
    MeshBuilder builder(mesh);
    builder.UseMaterial({{0.6f, 0.6f, 0.62f}, kBossTexture, 0.25f});
    AddHull(builder, Join({Ring({0.0f, -4.0f, -4.8f}, kAxisX, kAxisY, 1.2f, 0.8f, 8, kEighth),
                           Ring({0.0f, -4.5f, -3.0f}, kAxisX, kAxisY, 3.2f, 2.0f, 8, kEighth),
                           Ring({0.0f, -4.8f, 1.5f}, kAxisX, kAxisY, 4.0f, 2.6f, 8, kEighth),
                           Ring({0.0f, -4.6f, 4.2f}, kAxisX, kAxisY, 2.5f, 1.6f, 8, kEighth)}));
    AddHull(builder, BevelBox({-1.2f, -3.2f, -1.2f}, {1.2f, -1.5f, 2.4f}, 0.35f));

    const Points wing = {{3.2f, -4.9f, -2.6f},  {3.2f, -4.3f, -2.6f},  {3.2f, -4.9f, 2.6f},  {3.2f, -4.3f, 2.6f},
                         {kPodX, -0.9f, -2.0f}, {kPodX, -0.4f, -2.0f}, {kPodX, -0.9f, 2.0f}, {kPodX, -0.4f, 2.0f}};
    AddHull(builder, wing);
    AddHull(builder, MirrorX(wing));

    const Points pod =
        Join({PodSection(-3.6f, kPodHalfWidth * 0.6f, 0.8f, 0.25f), PodSection(-2.6f, kPodHalfWidth, 1.45f, 0.3f),
              PodSection(2.6f, kPodHalfWidth, 1.45f, 0.3f), PodSection(3.6f, kPodHalfWidth * 0.6f, 0.8f, 0.25f)});
    AddHull(builder, pod);
    AddHull(builder, MirrorX(pod));
    const Points ridge = BevelBox({kPodX - 0.7f, 1.2f, -2.0f}, {kPodX + 0.7f, 1.75f, 2.0f}, 0.25f);
    AddHull(builder, ridge);
    AddHull(builder, MirrorX(ridge));

    builder.UseMaterial({{0.28f, 0.28f, 0.32f}, "", 1.0f});
    for (float offset : {-0.55f, 0.55f}) {
        const Points barrel = Beam({kPodX + offset, offset * 0.5f, -3.3f}, {kPodX + offset, offset * 0.5f, -4.7f},
                                   kAxisX, 0.32f, 0.32f, 0.06f);
        AddHull(builder, barrel);
        AddHull(builder, MirrorX(barrel));
    }

    builder.UseMaterial({{1.0f, 0.3f, 0.12f}, "", 1.0f});
    AddHull(builder, Join({Ring({0.0f, -4.0f, -4.85f}, kAxisX, kAxisY, 0.8f, 0.5f, 8, kEighth),
                           Ring({0.0f, -4.0f, -4.95f}, kAxisX, kAxisY, 0.6f, 0.35f, 8, kEighth)}));
    AddHull(builder, BevelBox({-0.9f, -1.75f, -1.35f}, {0.9f, -1.45f, -1.1f}, 0.05f));
    const Points engine = Join({Ring({kPodX, 0.0f, 3.62f}, kAxisX, kAxisY, 0.7f, 0.6f, 8, kEighth),
                                Ring({kPodX, 0.0f, 3.7f}, kAxisX, kAxisY, 0.5f, 0.4f, 8, kEighth)});
    AddHull(builder, engine);
    AddHull(builder, MirrorX(engine));
    return mesh;
}

}  // namespace makedata
