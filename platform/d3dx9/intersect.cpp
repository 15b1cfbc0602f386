// D3DXIntersect: a ray against every face of a mesh, the nearest hit wins. The ray has no
// end: hits beyond rayPosition + rayDirection count, with distances above 1.
#include <cstring>

#include "mesh.h"

namespace {

struct Hit {
    double distance, u, v;
};

D3DXVECTOR3 Corner(const d3dx9::MeshGeometry& mesh, DWORD face, int corner)
{
    size_t at = size_t(face) * 3 + corner;
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

// The ray's parameter t in units of the direction's length, with the barycentric u, v of
// the hit point p = v0 + u (v1 - v0) + v (v2 - v0); false for a miss or a ray in the plane.
bool RayHitsTriangle(const D3DXVECTOR3& origin, const D3DXVECTOR3& direction, const D3DXVECTOR3& v0,
                     const D3DXVECTOR3& v1, const D3DXVECTOR3& v2, Hit& hit)
{
    double e1[3] = {double(v1.x) - v0.x, double(v1.y) - v0.y, double(v1.z) - v0.z};
    double e2[3] = {double(v2.x) - v0.x, double(v2.y) - v0.y, double(v2.z) - v0.z};
    double d[3] = {direction.x, direction.y, direction.z};
    double p[3] = {d[1] * e2[2] - d[2] * e2[1], d[2] * e2[0] - d[0] * e2[2], d[0] * e2[1] - d[1] * e2[0]};
    double determinant = e1[0] * p[0] + e1[1] * p[1] + e1[2] * p[2];
    if (determinant == 0.0) return false;
    double s[3] = {double(origin.x) - v0.x, double(origin.y) - v0.y, double(origin.z) - v0.z};
    double u = (s[0] * p[0] + s[1] * p[1] + s[2] * p[2]) / determinant;
    if (u < 0.0 || u > 1.0) return false;
    double q[3] = {s[1] * e1[2] - s[2] * e1[1], s[2] * e1[0] - s[0] * e1[2], s[0] * e1[1] - s[1] * e1[0]};
    double v = (d[0] * q[0] + d[1] * q[1] + d[2] * q[2]) / determinant;
    if (v < 0.0 || u + v > 1.0) return false;
    double t = (e2[0] * q[0] + e2[1] * q[1] + e2[2] * q[2]) / determinant;
    if (t < 0.0) return false;
    hit = {t, u, v};
    return true;
}

}  // namespace

HRESULT WINAPI D3DXIntersect(ID3DXMesh* mesh, const D3DXVECTOR3* rayPosition, const D3DXVECTOR3* rayDirection,
                             BOOL* hit, DWORD* faceIndex, float* u, float* v, float* distance,
                             ID3DXBuffer** allHits, DWORD* hitCount)
{
    // The list of every hit is not made: nothing asks for it.
    auto* ours = dynamic_cast<d3dx9::Mesh*>(mesh);
    d3dx9::MeshGeometry geometry;
    if (!ours || !rayPosition || !rayDirection || !hit || allHits || !ours->Geometry(geometry))
        return D3DERR_INVALIDCALL;

    bool found = false;
    Hit nearest{};
    DWORD nearestFace = 0, hits = 0;
    for (DWORD face = 0; face < geometry.faceCount; ++face) {
        Hit candidate;
        if (!RayHitsTriangle(*rayPosition, *rayDirection, Corner(geometry, face, 0), Corner(geometry, face, 1),
                             Corner(geometry, face, 2), candidate))
            continue;
        ++hits;
        if (!found || candidate.distance < nearest.distance) {
            found = true;
            nearest = candidate;
            nearestFace = face;
        }
    }
    *hit = found ? TRUE : FALSE;
    if (hitCount) *hitCount = hits;
    if (found) {
        if (faceIndex) *faceIndex = nearestFace;
        if (u) *u = float(nearest.u);
        if (v) *v = float(nearest.v);
        if (distance) *distance = float(nearest.distance);
    }
    return D3D_OK;
}
