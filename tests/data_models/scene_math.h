// Where the game puts a model vertex and where the stage camera shows it, with the game's
// own matrices: world = scaling x rotation x, y, z (degrees) x translation.
#pragma once

#include <cmath>

#include "d3dx9.h"
#include "models/mesh.h"
#include "models/model_sizes.h"

namespace scene {

using makedata::Vec3;

inline D3DXMATRIX WorldMatrix(float scale, Vec3 rotation, Vec3 position)
{
    const float k = 0.017453292f;
    D3DXMATRIX world, step;
    D3DXMatrixScaling(&world, scale, scale, scale);
    D3DXMatrixMultiply(&world, &world, D3DXMatrixRotationX(&step, rotation.x * k));
    D3DXMatrixMultiply(&world, &world, D3DXMatrixRotationY(&step, rotation.y * k));
    D3DXMatrixMultiply(&world, &world, D3DXMatrixRotationZ(&step, rotation.z * k));
    D3DXMatrixMultiply(&world, &world, D3DXMatrixTranslation(&step, position.x, position.y, position.z));
    return world;
}

inline D3DXMATRIX StageViewProjection()
{
    const D3DXVECTOR3 eye(makedata::kStageEye.x, makedata::kStageEye.y, makedata::kStageEye.z);
    const D3DXVECTOR3 at(makedata::kStageLookAt.x, makedata::kStageLookAt.y, makedata::kStageLookAt.z);
    const D3DXVECTOR3 up(0.0f, 1.0f, 0.0f);
    D3DXMATRIX view, projection;
    D3DXMatrixLookAtLH(&view, &eye, &at, &up);
    D3DXMatrixPerspectiveFovLH(&projection, makedata::kFieldOfView, makedata::kAspect, makedata::kNearPlane,
                               makedata::kFarPlane);
    return *D3DXMatrixMultiply(&view, &view, &projection);
}

inline Vec3 Transformed(Vec3 p, const D3DXMATRIX& m)
{
    const D3DXVECTOR3 in(p.x, p.y, p.z);
    D3DXVECTOR3 out;
    D3DXVec3TransformCoord(&out, &in, &m);
    return {out.x, out.y, out.z};
}

// Distance along `direction` (unit length) to the nearest triangle of the mesh placed by
// `world`; negative when the ray meets none.
inline float RayDistance(const makedata::Mesh& mesh, const D3DXMATRIX& world, Vec3 origin, Vec3 direction)
{
    float nearest = -1.0f;
    for (const auto& face : mesh.faces) {
        const Vec3 a = Transformed(mesh.vertices[face[0]].position, world);
        const Vec3 e1 = Transformed(mesh.vertices[face[1]].position, world) - a;
        const Vec3 e2 = Transformed(mesh.vertices[face[2]].position, world) - a;
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
