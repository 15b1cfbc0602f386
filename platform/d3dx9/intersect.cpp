// D3DXIntersect: a ray against every face of a mesh, the nearest hit wins. The ray has no
// end: hits beyond rayPosition + rayDirection count, with distances above 1. Faces in a
// sphere the ray passes by are skipped: they could not have been hit.
#include <algorithm>
#include <cmath>

#include "mesh.h"

namespace {

using d3dx9::RayFace;
using d3dx9::RayFaces;
using d3dx9::RaySphere;

// How much wider than its radius a sphere is taken per unit of the ray origin's distance
// from its centre: the rounding in the sphere and triangle tests grows with that distance,
// and stays far below this.
constexpr double kSlack = 1e-7;

struct Ray {
    double origin[3], direction[3];
    double lengthSquared;  // of the direction
    bool finite;           // spheres say nothing about rays of infinities or NaNs
};

struct Hit {
    double distance, u, v;
};

double Dot(const double a[3], const double b[3])
{
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}

// True when the ray cannot come within the sphere: it starts outside and heads away, or
// passes it wider than its radius R. The radius is widened to R + kSlack |w| (w from the
// origin to the centre), whose square is at most R^2 (1 + kSlack) + 2 kSlack |w|^2.
bool PassesBy(const Ray& ray, const RaySphere& sphere)
{
    const double w[3] = {sphere.centre[0] - ray.origin[0], sphere.centre[1] - ray.origin[1],
                         sphere.centre[2] - ray.origin[2]};
    const double fromCentre = Dot(w, w);
    const double reach = sphere.radiusSquared * (1.0 + kSlack) + 2.0 * kSlack * fromCentre;
    if (!(fromCentre > reach)) return false;
    if (Dot(w, ray.direction) <= 0.0) return true;
    const double* d = ray.direction;
    const double across[3] = {w[1] * d[2] - w[2] * d[1], w[2] * d[0] - w[0] * d[2], w[0] * d[1] - w[1] * d[0]};
    return Dot(across, across) > reach * ray.lengthSquared;
}

// The ray's parameter t in units of the direction's length, with the barycentric u, v of
// the hit point p = v0 + u (v1 - v0) + v (v2 - v0); false for a miss or a ray in the plane.
bool RayHitsTriangle(const Ray& ray, const RayFace& face, Hit& hit)
{
    const double* e1 = face.e1;
    const double* e2 = face.e2;
    const double* d = ray.direction;
    double p[3] = {d[1] * e2[2] - d[2] * e2[1], d[2] * e2[0] - d[0] * e2[2], d[0] * e2[1] - d[1] * e2[0]};
    double determinant = e1[0] * p[0] + e1[1] * p[1] + e1[2] * p[2];
    if (determinant == 0.0) return false;
    double s[3] = {ray.origin[0] - face.v0[0], ray.origin[1] - face.v0[1], ray.origin[2] - face.v0[2]};
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
    if (!ours || !rayPosition || !rayDirection || !hit || allHits) return D3DERR_INVALIDCALL;
    const RayFaces* faces = ours->FacesForRays();
    if (!faces) return D3DERR_INVALIDCALL;

    const D3DXVECTOR3 &o = *rayPosition, &d = *rayDirection;
    Ray ray = {{o.x, o.y, o.z}, {d.x, d.y, d.z}, 0.0, false};
    ray.lengthSquared = Dot(ray.direction, ray.direction);
    ray.finite = std::isfinite(Dot(ray.origin, ray.origin)) && std::isfinite(ray.lengthSquared);

    bool found = false;
    Hit nearest{};
    DWORD nearestFace = 0, hits = 0;
    const size_t faceCount = faces->faces.size();
    if (!ray.finite || !PassesBy(ray, faces->all)) {
        for (size_t group = 0; group < faces->groups.size(); ++group) {
            if (ray.finite && PassesBy(ray, faces->groups[group])) continue;
            const size_t first = group * RayFaces::kGroupFaces;
            const size_t end = std::min(faceCount, first + RayFaces::kGroupFaces);
            for (size_t face = first; face < end; ++face) {
                Hit candidate;
                if (!RayHitsTriangle(ray, faces->faces[face], candidate)) continue;
                ++hits;
                if (!found || candidate.distance < nearest.distance) {
                    found = true;
                    nearest = candidate;
                    nearestFace = DWORD(face);
                }
            }
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
