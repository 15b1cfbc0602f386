// Sphere and ray hit tests.
#include "game/collision.h"

#include "game/flight.h"

int HitSpheres(const GameObject& a, const GameObject& b)
{
    const D3DXVECTOR3 between = b.pos - a.pos;
    const float dist = D3DXVec3Length(&between);
    const float reach = a.sphere.radius * a.radiusFactor + b.sphere.radius * b.radiusFactor;
    return reach > dist ? 1 : 0;
}

int HitRayMesh(const GameObject& mover, D3DXVECTOR3 offset, D3DXVECTOR3 delta, const GameObject& target,
               float* distance)
{
    const D3DXVECTOR3 start = mover.pos + offset;
    const D3DXVECTOR3 end = start + delta;

    // Deliberately not the inverse of the drawing matrix: the angles are negated and
    // turned in the order Z, X, Y, with no scaling. Hits must land where they always have.
    D3DXMATRIXA16 turnZ, turnX, turnY, turn, move, world;
    D3DXMatrixRotationZ(&turnZ, -target.rot.z * kRadiansPerDegree);
    D3DXMatrixRotationX(&turnX, -target.rot.x * kRadiansPerDegree);
    D3DXMatrixRotationY(&turnY, -target.rot.y * kRadiansPerDegree);
    D3DXMatrixMultiply(&turn, &turnZ, &turnX);
    D3DXMatrixMultiply(&turn, &turn, &turnY);
    D3DXMatrixIdentity(&world);
    D3DXMatrixMultiply(&world, &world, &turn);
    D3DXMatrixTranslation(&move, target.pos.x, target.pos.y, target.pos.z);
    D3DXMatrixMultiply(&world, &world, &move);
    D3DXMatrixInverse(&world, nullptr, &world);

    D3DXVECTOR3 modelStart, modelEnd;
    D3DXVec3TransformCoord(&modelStart, &start, &world);
    D3DXVec3TransformCoord(&modelEnd, &end, &world);
    const D3DXVECTOR3 direction = modelEnd - modelStart;

    // A failed call (a target without a mesh) leaves the flag clear: no hit.
    BOOL hit = FALSE;
    D3DXIntersect(target.mesh, &modelStart, &direction, &hit, nullptr, nullptr, nullptr, distance, nullptr, nullptr);
    return hit ? 1 : 0;
}
