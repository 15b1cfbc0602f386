// D3DX matrices and vectors in Direct3D's row-vector, left-handed convention. Everything is
// plain single-precision arithmetic, term by term, because the game compares some of the
// results for exact equality.
#include <cmath>

#include "d3dx9math.h"

D3DXMATRIX::D3DXMATRIX(float m11, float m12, float m13, float m14, float m21, float m22, float m23, float m24,
                       float m31, float m32, float m33, float m34, float m41, float m42, float m43, float m44)
{
    _11 = m11, _12 = m12, _13 = m13, _14 = m14;
    _21 = m21, _22 = m22, _23 = m23, _24 = m24;
    _31 = m31, _32 = m32, _33 = m33, _34 = m34;
    _41 = m41, _42 = m42, _43 = m43, _44 = m44;
}

D3DXMATRIX D3DXMATRIX::operator*(const D3DXMATRIX& other) const
{
    D3DXMATRIX product;
    D3DXMatrixMultiply(&product, this, &other);
    return product;
}

D3DXMATRIX& D3DXMATRIX::operator*=(const D3DXMATRIX& other)
{
    D3DXMatrixMultiply(this, this, &other);
    return *this;
}

bool D3DXMATRIX::operator==(const D3DXMATRIX& other) const
{
    for (int row = 0; row < 4; ++row)
        for (int column = 0; column < 4; ++column)
            if (m[row][column] != other.m[row][column]) return false;
    return true;
}

D3DXMATRIX* WINAPI D3DXMatrixIdentity(D3DXMATRIX* out)
{
    *out = D3DXMATRIX(1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1);
    return out;
}

D3DXMATRIX* WINAPI D3DXMatrixMultiply(D3DXMATRIX* out, const D3DXMATRIX* a, const D3DXMATRIX* b)
{
    // Computed aside first: out may be a or b.
    D3DXMATRIX product;
    for (int row = 0; row < 4; ++row)
        for (int column = 0; column < 4; ++column)
            product.m[row][column] = a->m[row][0] * b->m[0][column] + a->m[row][1] * b->m[1][column] +
                                     a->m[row][2] * b->m[2][column] + a->m[row][3] * b->m[3][column];
    *out = product;
    return out;
}

D3DXMATRIX* WINAPI D3DXMatrixInverse(D3DXMATRIX* out, float* determinant, const D3DXMATRIX* m)
{
    const float(&a)[4][4] = m->m;
    // The 2 by 2 minors of the top two rows (s) and of the bottom two rows (c).
    float s0 = a[0][0] * a[1][1] - a[1][0] * a[0][1];
    float s1 = a[0][0] * a[1][2] - a[1][0] * a[0][2];
    float s2 = a[0][0] * a[1][3] - a[1][0] * a[0][3];
    float s3 = a[0][1] * a[1][2] - a[1][1] * a[0][2];
    float s4 = a[0][1] * a[1][3] - a[1][1] * a[0][3];
    float s5 = a[0][2] * a[1][3] - a[1][2] * a[0][3];
    float c5 = a[2][2] * a[3][3] - a[3][2] * a[2][3];
    float c4 = a[2][1] * a[3][3] - a[3][1] * a[2][3];
    float c3 = a[2][1] * a[3][2] - a[3][1] * a[2][2];
    float c2 = a[2][0] * a[3][3] - a[3][0] * a[2][3];
    float c1 = a[2][0] * a[3][2] - a[3][0] * a[2][2];
    float c0 = a[2][0] * a[3][1] - a[3][0] * a[2][1];

    float det = s0 * c5 - s1 * c4 + s2 * c3 + s3 * c2 - s4 * c1 + s5 * c0;
    if (determinant) *determinant = det;
    if (det == 0.0f) return nullptr;
    float r = 1.0f / det;

    D3DXMATRIX inverse;
    float(&b)[4][4] = inverse.m;
    b[0][0] = (a[1][1] * c5 - a[1][2] * c4 + a[1][3] * c3) * r;
    b[0][1] = (-a[0][1] * c5 + a[0][2] * c4 - a[0][3] * c3) * r;
    b[0][2] = (a[3][1] * s5 - a[3][2] * s4 + a[3][3] * s3) * r;
    b[0][3] = (-a[2][1] * s5 + a[2][2] * s4 - a[2][3] * s3) * r;
    b[1][0] = (-a[1][0] * c5 + a[1][2] * c2 - a[1][3] * c1) * r;
    b[1][1] = (a[0][0] * c5 - a[0][2] * c2 + a[0][3] * c1) * r;
    b[1][2] = (-a[3][0] * s5 + a[3][2] * s2 - a[3][3] * s1) * r;
    b[1][3] = (a[2][0] * s5 - a[2][2] * s2 + a[2][3] * s1) * r;
    b[2][0] = (a[1][0] * c4 - a[1][1] * c2 + a[1][3] * c0) * r;
    b[2][1] = (-a[0][0] * c4 + a[0][1] * c2 - a[0][3] * c0) * r;
    b[2][2] = (a[3][0] * s4 - a[3][1] * s2 + a[3][3] * s0) * r;
    b[2][3] = (-a[2][0] * s4 + a[2][1] * s2 - a[2][3] * s0) * r;
    b[3][0] = (-a[1][0] * c3 + a[1][1] * c1 - a[1][2] * c0) * r;
    b[3][1] = (a[0][0] * c3 - a[0][1] * c1 + a[0][2] * c0) * r;
    b[3][2] = (-a[3][0] * s3 + a[3][1] * s1 - a[3][2] * s0) * r;
    b[3][3] = (a[2][0] * s3 - a[2][1] * s1 + a[2][2] * s0) * r;
    *out = inverse;
    return out;
}

D3DXMATRIX* WINAPI D3DXMatrixScaling(D3DXMATRIX* out, float sx, float sy, float sz)
{
    *out = D3DXMATRIX(sx, 0, 0, 0, 0, sy, 0, 0, 0, 0, sz, 0, 0, 0, 0, 1);
    return out;
}

D3DXMATRIX* WINAPI D3DXMatrixTranslation(D3DXMATRIX* out, float x, float y, float z)
{
    *out = D3DXMATRIX(1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, x, y, z, 1);
    return out;
}

// Positive angles turn clockwise when looking along the axis towards the origin, as
// left-handed rotations do.
D3DXMATRIX* WINAPI D3DXMatrixRotationX(D3DXMATRIX* out, float angle)
{
    float c = std::cos(angle), s = std::sin(angle);
    *out = D3DXMATRIX(1, 0, 0, 0, 0, c, s, 0, 0, -s, c, 0, 0, 0, 0, 1);
    return out;
}

D3DXMATRIX* WINAPI D3DXMatrixRotationY(D3DXMATRIX* out, float angle)
{
    float c = std::cos(angle), s = std::sin(angle);
    *out = D3DXMATRIX(c, 0, -s, 0, 0, 1, 0, 0, s, 0, c, 0, 0, 0, 0, 1);
    return out;
}

D3DXMATRIX* WINAPI D3DXMatrixRotationZ(D3DXMATRIX* out, float angle)
{
    float c = std::cos(angle), s = std::sin(angle);
    *out = D3DXMATRIX(c, s, 0, 0, -s, c, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1);
    return out;
}

namespace {

D3DXVECTOR3 Cross(const D3DXVECTOR3& a, const D3DXVECTOR3& b)
{
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

}  // namespace

// The camera's axes become the view matrix's columns: x to the right, y up, z forward
// from the eye towards the point looked at.
D3DXMATRIX* WINAPI D3DXMatrixLookAtLH(D3DXMATRIX* out, const D3DXVECTOR3* eye, const D3DXVECTOR3* at,
                                      const D3DXVECTOR3* up)
{
    D3DXVECTOR3 forward = *at - *eye;
    D3DXVec3Normalize(&forward, &forward);
    D3DXVECTOR3 right = Cross(*up, forward);
    D3DXVec3Normalize(&right, &right);
    D3DXVECTOR3 upward = Cross(forward, right);
    *out = D3DXMATRIX(right.x, upward.x, forward.x, 0,  //
                      right.y, upward.y, forward.y, 0,  //
                      right.z, upward.z, forward.z, 0,  //
                      -D3DXVec3Dot(&right, eye), -D3DXVec3Dot(&upward, eye), -D3DXVec3Dot(&forward, eye), 1);
    return out;
}

// Depth runs from 0 at the near plane to 1 at the far plane; w takes the view-space z.
D3DXMATRIX* WINAPI D3DXMatrixPerspectiveFovLH(D3DXMATRIX* out, float fovY, float aspect, float zNear,
                                              float zFar)
{
    float yScale = 1.0f / std::tan(fovY / 2.0f);
    float xScale = yScale / aspect;
    float depth = zFar / (zFar - zNear);
    *out = D3DXMATRIX(xScale, 0, 0, 0, 0, yScale, 0, 0, 0, 0, depth, 1, 0, 0, -zNear * depth, 0);
    return out;
}

D3DXVECTOR3* WINAPI D3DXVec3Normalize(D3DXVECTOR3* out, const D3DXVECTOR3* v)
{
    float length = D3DXVec3Length(v);
    if (length == 0.0f) {
        *out = D3DXVECTOR3(0, 0, 0);
        return out;
    }
    *out = D3DXVECTOR3(v->x / length, v->y / length, v->z / length);
    return out;
}

D3DXVECTOR3* WINAPI D3DXVec3TransformCoord(D3DXVECTOR3* out, const D3DXVECTOR3* v, const D3DXMATRIX* m)
{
    float x = v->x * m->_11 + v->y * m->_21 + v->z * m->_31 + m->_41;
    float y = v->x * m->_12 + v->y * m->_22 + v->z * m->_32 + m->_42;
    float z = v->x * m->_13 + v->y * m->_23 + v->z * m->_33 + m->_43;
    float w = v->x * m->_14 + v->y * m->_24 + v->z * m->_34 + m->_44;
    *out = D3DXVECTOR3(x / w, y / w, z / w);
    return out;
}

float WINAPI D3DXVec3Length(const D3DXVECTOR3* v) { return std::sqrt(v->x * v->x + v->y * v->y + v->z * v->z); }

float WINAPI D3DXVec3Dot(const D3DXVECTOR3* a, const D3DXVECTOR3* b) { return a->x * b->x + a->y * b->y + a->z * b->z; }
