// Where the game puts a model vertex: turned about x, then y, then z (degrees, Direct3D's
// row-vector convention), scaled and moved; and where the stage camera shows a point.
#pragma once

#include <cmath>

#include "models/mesh.h"
#include "models/model_sizes.h"

namespace scene {

using makedata::Vec3;

inline Vec3 Turned(Vec3 p, float xDegrees, float yDegrees, float zDegrees)
{
    const float k = 0.017453292f;
    const float cx = std::cos(xDegrees * k), sx = std::sin(xDegrees * k);
    p = {p.x, p.y * cx - p.z * sx, p.y * sx + p.z * cx};
    const float cy = std::cos(yDegrees * k), sy = std::sin(yDegrees * k);
    p = {p.x * cy + p.z * sy, p.y, -p.x * sy + p.z * cy};
    const float cz = std::cos(zDegrees * k), sz = std::sin(zDegrees * k);
    return {p.x * cz - p.y * sz, p.x * sz + p.y * cz, p.z};
}

inline Vec3 Placed(Vec3 model, float scale, Vec3 rotation, Vec3 position)
{
    return Turned(model * scale, rotation.x, rotation.y, rotation.z) + position;
}

// Normalised device coordinates (x, y in -1..1 on screen) and the depth along the view.
inline Vec3 SeenFromStageCamera(Vec3 world)
{
    const Vec3 eye = {makedata::kStageEye.x, makedata::kStageEye.y, makedata::kStageEye.z};
    const Vec3 at = {makedata::kStageLookAt.x, makedata::kStageLookAt.y, makedata::kStageLookAt.z};
    const Vec3 forward = makedata::Normalised(at - eye);
    const Vec3 right = makedata::Normalised(makedata::Cross({0.0f, 1.0f, 0.0f}, forward));
    const Vec3 up = makedata::Cross(forward, right);
    const Vec3 d = world - eye;
    const float depth = makedata::Dot(d, forward);
    const float yScale = 1.0f / std::tan(makedata::kFieldOfView * 0.5f);
    return {makedata::Dot(d, right) * yScale / makedata::kAspect / depth, makedata::Dot(d, up) * yScale / depth, depth};
}

// Distance along `direction` (unit length) to the nearest triangle of the mesh, each
// vertex placed by `place`; negative when the ray meets none.
template <typename Place>
float RayDistance(const makedata::Mesh& mesh, Place place, Vec3 origin, Vec3 direction)
{
    float nearest = -1.0f;
    for (const auto& face : mesh.faces) {
        const Vec3 a = place(mesh.vertices[face[0]].position);
        const Vec3 e1 = place(mesh.vertices[face[1]].position) - a, e2 = place(mesh.vertices[face[2]].position) - a;
        const Vec3 p = makedata::Cross(direction, e2);
        const float det = makedata::Dot(e1, p);
        if (std::fabs(det) < 1e-9f) continue;
        const Vec3 t = origin - a;
        const float u = makedata::Dot(t, p) / det;
        const Vec3 q = makedata::Cross(t, e1);
        const float v = makedata::Dot(direction, q) / det;
        const float distance = makedata::Dot(e2, q) / det;
        if (u < 0.0f || v < 0.0f || u + v > 1.0f || distance < 0.0f) continue;
        if (nearest < 0.0f || distance < nearest) nearest = distance;
    }
    return nearest;
}

}  // namespace scene
