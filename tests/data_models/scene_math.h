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

// The stage camera's view.
inline D3DXMATRIX StageView()
{
    const D3DXVECTOR3 eye(makedata::kStageEye.x, makedata::kStageEye.y, makedata::kStageEye.z);
    const D3DXVECTOR3 at(makedata::kStageLookAt.x, makedata::kStageLookAt.y, makedata::kStageLookAt.z);
    const D3DXVECTOR3 up(0.0f, 1.0f, 0.0f);
    D3DXMATRIX view;
    return *D3DXMatrixLookAtLH(&view, &eye, &at, &up);
}

// The projection every model is drawn with.
inline D3DXMATRIX StageProjection()
{
    D3DXMATRIX projection;
    return *D3DXMatrixPerspectiveFovLH(&projection, makedata::kFieldOfView, makedata::kAspect, makedata::kNearPlane,
                                       makedata::kFarPlane);
}

inline D3DXMATRIX StageViewProjection()
{
    D3DXMATRIX view = StageView(), projection = StageProjection();
    return *D3DXMatrixMultiply(&view, &view, &projection);
}

inline Vec3 Transformed(Vec3 p, const D3DXMATRIX& m)
{
    const D3DXVECTOR3 in(p.x, p.y, p.z);
    D3DXVECTOR3 out;
    D3DXVec3TransformCoord(&out, &in, &m);
    return {out.x, out.y, out.z};
}

// The back-buffer pixel at which the stage camera shows a world point (x right, y down).
inline Vec3 StagePixel(Vec3 world)
{
    const Vec3 seen = Transformed(world, StageViewProjection());
    return {(seen.x + 1.0f) * 0.5f * float(makedata::kScreenWidth), (1.0f - seen.y) * 0.5f * float(makedata::kScreenHeight),
            seen.z};
}

}  // namespace scene
