// The wall model keeps only what the game's cameras can see, and all of that: a ray from
// a camera meets it where it meets the walls' full hulls.
#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "models/hull.h"
#include "models/models.h"
#include "scene_math.h"

using namespace makedata;

namespace {

using Triangle = std::array<Vec3, 3>;

Mesh FullHulls()
{
    Mesh mesh;
    MeshBuilder builder(mesh);
    for (const Part& part : WallParts(builder)) {
        builder.UseMaterialIndex(part.material);
        AddHull(builder, part.points);
    }
    return mesh;
}

// Both walls of the corridor in the world, wall 0 at y, scaled scaleX across.
std::vector<Triangle> Corridor(const Mesh& mesh, float y, float scaleX)
{
    std::vector<Triangle> triangles;
    for (float at : {y, y + kWallLength > kWallLength ? y - kWallLength : y + kWallLength}) {
        D3DXMATRIX place = scene::WorldMatrix(1.0f, {kLoadRotationX, 0, 0}, {0, at, kWallDepth}), scale;
        D3DXMatrixMultiply(&place, D3DXMatrixScaling(&scale, scaleX, 1, 1), &place);
        for (const auto& face : mesh.faces) {
            triangles.push_back({scene::Transformed(mesh.vertices[face[0]].position, place),
                                 scene::Transformed(mesh.vertices[face[1]].position, place),
                                 scene::Transformed(mesh.vertices[face[2]].position, place)});
        }
    }
    return triangles;
}

// How far along the ray it first meets a triangle, edges included; infinity for none.
float FirstHit(const std::vector<Triangle>& triangles, Vec3 from, Vec3 direction)
{
    float nearest = INFINITY;
    for (const Triangle& t : triangles) {
        const Vec3 e1 = t[1] - t[0], e2 = t[2] - t[0], p = Cross(direction, e2);
        const float det = Dot(e1, p);
        if (std::fabs(det) < 1e-9f) continue;
        const Vec3 s = from - t[0], q = Cross(s, e1);
        const float u = Dot(s, p) / det, v = Dot(direction, q) / det, distance = Dot(e2, q) / det;
        if (u >= -1e-5f && v >= -1e-5f && u + v <= 1.00001f && distance > 0.0f) nearest = std::min(nearest, distance);
    }
    return nearest;
}

void ExpectSameFirstHits(const Mesh& kept, const Mesh& full, float y, float scaleX, Vec3 eye,
                         const std::vector<Vec3>& directions)
{
    const std::vector<Triangle> keptWorld = Corridor(kept, y, scaleX), fullWorld = Corridor(full, y, scaleX);
    for (const Vec3& direction : directions) {
        const float wanted = FirstHit(fullWorld, eye, direction), got = FirstHit(keptWorld, eye, direction);
        if (std::isinf(wanted)) {
            ASSERT_TRUE(std::isinf(got)) << "wall at " << y << ", direction " << direction.x << " " << direction.y;
        } else {
            ASSERT_NEAR(got, wanted, wanted * 1e-3f) << "wall at " << y << ", direction " << direction.x << " "
                                                     << direction.y << " " << direction.z;
        }
    }
}

TEST(WallModel, ShowsTheStageAndTheBossRiseWhatItsFullHullsShow)
{
    const Mesh kept = BuildWall(), full = FullHulls();
    const Vec3 eye = {kStageEye.x, kStageEye.y, kStageEye.z};
    const Vec3 forward = Normalised(Vec3{kStageLookAt.x, kStageLookAt.y, kStageLookAt.z} - eye);
    const Vec3 right = Normalised(Cross({0, 1, 0}, forward)), up = Cross(forward, right);
    const float tanY = std::tan(kFieldOfView * 0.5f), tanX = tanY * kAspect;
    for (float scaleX : {1.0f, kBossWallScaleX}) {
        for (float y : {0.0f, -100.5f, -226.0f, -236.0f}) {
            // A ray to the middle of every face in the picture, small ones too.
            std::vector<Vec3> middles;
            for (const Triangle& t : Corridor(full, y, scaleX)) {
                const Vec3 to = (t[0] + t[1] + t[2]) * (1.0f / 3.0f) - eye;
                const float depth = Dot(to, forward);
                const float across = std::fabs(Dot(to, right)), upward = std::fabs(Dot(to, up));
                if (depth > kNearPlane && across < depth * tanX && upward < depth * tanY) {
                    middles.push_back(Normalised(to));
                }
            }
            ExpectSameFirstHits(kept, full, y, scaleX, eye, middles);
        }
    }
    // The rise view looks up out of the trench, anywhere the boss may be.
    std::vector<Vec3> upwards;
    for (int i = 0; i < 12; ++i) {
        for (int j = 0; j < 12; ++j) {
            upwards.push_back(Normalised({float(i) * 0.5f - 2.7f, float(j) * 0.8f - 4.1f, -1.0f}));
        }
    }
    for (float x : {kCraftMinX, kCraftMaxX}) {
        ExpectSameFirstHits(kept, full, -236.0f, kBossWallScaleX, {x - kRiseEyeLeft, kCraftMinY, kRiseEyeZ}, upwards);
    }
}

// Each triangle is vertex work on the game's thread every frame; the full hulls have 3,464.
TEST(WallModel, KeepsUnderTwentyTwoHundredTriangles)
{
    EXPECT_LT(BuildWall().faces.size(), 2200u);
}

}  // namespace
