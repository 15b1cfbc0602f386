// Sphere and ray hit tests.
#include "game/collision.h"

#include <cmath>

#include "game/flight.h"

int HitSpheres(const GameObject& a, const GameObject& b)
{
    const D3DXVECTOR3 between = b.pos - a.pos;
    const float dist = D3DXVec3Length(&between);
    const float reach = a.sphere.radius * a.radiusFactor + b.sphere.radius * b.radiusFactor;
    return reach > dist ? 1 : 0;
}

namespace {

// True when the ray cannot come near the target's mesh: the mesh lies within its bounding
// sphere, which the turn about the target's position can carry no farther from it than
// the sphere centre's own distance. The margin is far wider than any rounding, so a ray
// this test turns away would have missed the mesh too; a target never measured (radius
// 0) is always tested in full.
bool FarFromMesh(const D3DXVECTOR3& start, const D3DXVECTOR3& delta, const GameObject& target)
{
    const BoundingSphere& sphere = target.sphere;
    if (!(sphere.radius > 0.0f)) return false;
    const double reach = std::sqrt(double(sphere.centre.x) * sphere.centre.x + double(sphere.centre.y) * sphere.centre.y +
                                   double(sphere.centre.z) * sphere.centre.z) +
                         double(sphere.radius);
    const double margin = reach * 1.001 + 0.001;
    const double wx = double(target.pos.x) - start.x, wy = double(target.pos.y) - start.y,
                 wz = double(target.pos.z) - start.z;
    const double dd = double(delta.x) * delta.x + double(delta.y) * delta.y + double(delta.z) * delta.z;
    const double wd = wx * delta.x + wy * delta.y + wz * delta.z;
    double gap = wx * wx + wy * wy + wz * wz;  // squared distance from the ray to the target
    if (dd > 0.0 && wd > 0.0) gap -= wd * wd / dd;
    return gap > margin * margin;
}

}  // namespace

int HitRayMesh(const GameObject& mover, D3DXVECTOR3 offset, D3DXVECTOR3 delta, const GameObject& target,
               float* distance)
{
    const D3DXVECTOR3 start = mover.pos + offset;
    if (FarFromMesh(start, delta, target)) return 0;
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
