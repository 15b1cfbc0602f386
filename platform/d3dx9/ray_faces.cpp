// Building the ray test's layout of a mesh's faces from its vertex and index buffers.
#include "ray_faces.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace d3dx9 {

namespace {

// Room added to a sphere's radius, relative: far more than the rounding in measuring it.
constexpr double kRoom = 1e-6;

D3DXVECTOR3 Corner(const MeshGeometry& mesh, size_t at)
{
    uint32_t index = 0;
    if (mesh.index32) {
        std::memcpy(&index, mesh.indices + at * 4, 4);
    } else {
        uint16_t shortIndex;
        std::memcpy(&shortIndex, mesh.indices + at * 2, 2);
        index = shortIndex;
    }
    D3DXVECTOR3 position(0.0f, 0.0f, 0.0f);
    if (index < mesh.vertexCount) std::memcpy(&position, mesh.vertices + size_t(index) * mesh.stride, 12);
    return position;
}

RayFace FaceOf(const D3DXVECTOR3& v0, const D3DXVECTOR3& v1, const D3DXVECTOR3& v2)
{
    return {{v0.x, v0.y, v0.z},
            {double(v1.x) - v0.x, double(v1.y) - v0.y, double(v1.z) - v0.z},
            {double(v2.x) - v0.x, double(v2.y) - v0.y, double(v2.z) - v0.z}};
}

// Centred on the middle of the box of the faces' corners, reaching the farthest corner; a
// corner that is not a finite number may make any ray meet its face, so it makes the
// sphere endless.
RaySphere SphereAround(const MeshGeometry& mesh, size_t firstFace, size_t faceCount)
{
    const size_t first = firstFace * 3, end = (firstFace + faceCount) * 3;
    double low[3] = {HUGE_VAL, HUGE_VAL, HUGE_VAL}, high[3] = {-HUGE_VAL, -HUGE_VAL, -HUGE_VAL};
    for (size_t at = first; at < end; ++at) {
        const D3DXVECTOR3 corner = Corner(mesh, at);
        const double xyz[3] = {corner.x, corner.y, corner.z};
        for (int axis = 0; axis < 3; ++axis) {
            low[axis] = std::min(low[axis], xyz[axis]);
            high[axis] = std::max(high[axis], xyz[axis]);
        }
    }
    RaySphere sphere = {{(low[0] + high[0]) / 2, (low[1] + high[1]) / 2, (low[2] + high[2]) / 2}, 0.0};
    double farthest = 0.0;
    for (size_t at = first; at < end; ++at) {
        const D3DXVECTOR3 corner = Corner(mesh, at);
        if (!std::isfinite(corner.x) || !std::isfinite(corner.y) || !std::isfinite(corner.z)) {
            sphere.radiusSquared = HUGE_VAL;
            return sphere;
        }
        const double x = corner.x - sphere.centre[0], y = corner.y - sphere.centre[1], z = corner.z - sphere.centre[2];
        farthest = std::max(farthest, x * x + y * y + z * z);
    }
    const double radius = std::sqrt(farthest) * (1.0 + kRoom);
    sphere.radiusSquared = radius * radius;
    return sphere;
}

}  // namespace

void BuildRayFaces(const MeshGeometry& geometry, RayFaces& out)
{
    out.faces.resize(geometry.faceCount);
    for (size_t face = 0; face < geometry.faceCount; ++face)
        out.faces[face] = FaceOf(Corner(geometry, face * 3), Corner(geometry, face * 3 + 1),
                                 Corner(geometry, face * 3 + 2));
    out.groups.clear();
    for (size_t first = 0; first < geometry.faceCount; first += RayFaces::kGroupFaces) {
        const size_t count = std::min<size_t>(RayFaces::kGroupFaces, geometry.faceCount - first);
        out.groups.push_back(SphereAround(geometry, first, count));
    }
    out.all = SphereAround(geometry, 0, geometry.faceCount);
}

}  // namespace d3dx9
