// Frame transforms of the .x reader: row-vector matrices as the files store them, a
// point times the matrix.
#pragma once

#include "d3dx9math.h"

namespace d3dx9::xfile {

// The frame hierarchy's matrices are D3DX matrices; a frame's world is its own matrix
// times its parent's (D3DXMatrixMultiply), a point going through the frame's first.
using Transform = D3DXMATRIX;

inline Transform Identity()
{
    Transform identity;
    D3DXMatrixIdentity(&identity);
    return identity;
}

// Frame matrices are affine, so the point needs no division by w.
inline D3DXVECTOR3 TransformPoint(const D3DXVECTOR3& p, const Transform& t)
{
    return {p.x * t.m[0][0] + p.y * t.m[1][0] + p.z * t.m[2][0] + t.m[3][0],
            p.x * t.m[0][1] + p.y * t.m[1][1] + p.z * t.m[2][1] + t.m[3][1],
            p.x * t.m[0][2] + p.y * t.m[1][2] + p.z * t.m[2][2] + t.m[3][2]};
}

// Unit length, or the zero vector for a zero vector.
inline D3DXVECTOR3 Normalised(const D3DXVECTOR3& v)
{
    D3DXVECTOR3 unit;
    D3DXVec3Normalize(&unit, &v);
    return unit;
}

inline D3DXVECTOR3 Cross(const D3DXVECTOR3& a, const D3DXVECTOR3& b)
{
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

// Normals follow the inverse transpose of the upper 3 by 3 part, which is its cofactor
// matrix over the determinant; only the determinant's sign matters before normalising.
inline Transform NormalTransform(const Transform& t)
{
    const auto& a = t.m;
    Transform out = Identity();
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c) {
            int r1 = (r + 1) % 3, r2 = (r + 2) % 3, c1 = (c + 1) % 3, c2 = (c + 2) % 3;
            out.m[r][c] = a[r1][c1] * a[r2][c2] - a[r1][c2] * a[r2][c1];
        }
    float determinant = a[0][0] * out.m[0][0] + a[0][1] * out.m[0][1] + a[0][2] * out.m[0][2];
    if (determinant < 0.0f)
        for (int r = 0; r < 3; ++r)
            for (int c = 0; c < 3; ++c) out.m[r][c] = -out.m[r][c];
    return out;
}

inline D3DXVECTOR3 TransformNormal(const D3DXVECTOR3& n, const Transform& normalTransform)
{
    const auto& t = normalTransform.m;
    return Normalised({n.x * t[0][0] + n.y * t[1][0] + n.z * t[2][0], n.x * t[0][1] + n.y * t[1][1] + n.z * t[2][1],
                       n.x * t[0][2] + n.y * t[1][2] + n.z * t[2][2]});
}

}  // namespace d3dx9::xfile
