// D3DX math against worked values, in the row-vector, left-handed convention.
#include <gtest/gtest.h>

#include <cmath>

#include "d3dx9math.h"

namespace {

constexpr float kQuarterTurn = D3DX_PI / 2;
constexpr float kNear = 1e-5f;

void ExpectVector(const D3DXVECTOR3& v, float x, float y, float z, float tolerance = kNear)
{
    EXPECT_NEAR(v.x, x, tolerance);
    EXPECT_NEAR(v.y, y, tolerance);
    EXPECT_NEAR(v.z, z, tolerance);
}

void ExpectMatrix(const D3DXMATRIX& m, const D3DXMATRIX& expected, float tolerance = kNear)
{
    for (int row = 0; row < 4; ++row)
        for (int column = 0; column < 4; ++column)
            EXPECT_NEAR(m(row, column), expected(row, column), tolerance) << "row " << row << " column " << column;
}

D3DXVECTOR3 Transformed(const D3DXVECTOR3& v, const D3DXMATRIX& m)
{
    D3DXVECTOR3 out;
    D3DXVec3TransformCoord(&out, &v, &m);
    return out;
}

const D3DXMATRIX kIdentity(1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1);

}  // namespace

TEST(D3dxMath, QuarterTurnsAboutEachAxisAreLeftHanded)
{
    D3DXMATRIX x, y, z;
    D3DXMatrixRotationX(&x, kQuarterTurn);
    D3DXMatrixRotationY(&y, kQuarterTurn);
    D3DXMatrixRotationZ(&z, kQuarterTurn);
    ExpectVector(Transformed({0, 1, 0}, x), 0, 0, 1);
    ExpectVector(Transformed({0, 0, 1}, x), 0, -1, 0);
    ExpectVector(Transformed({0, 0, 1}, y), 1, 0, 0);
    ExpectVector(Transformed({1, 0, 0}, y), 0, 0, -1);
    ExpectVector(Transformed({1, 0, 0}, z), 0, 1, 0);
    ExpectVector(Transformed({0, 1, 0}, z), -1, 0, 0);

    // Rotation about Z by a: rows (cos, sin, 0), (-sin, cos, 0), (0, 0, 1).
    float a = 0.5f;
    D3DXMatrixRotationZ(&z, a);
    ExpectMatrix(z, D3DXMATRIX(std::cos(a), std::sin(a), 0, 0, -std::sin(a), std::cos(a), 0, 0, 0, 0, 1, 0, 0, 0,
                               0, 1));
}

TEST(D3dxMath, HeadingStepMovesAlongTheTurnedSpeedVector)
{
    // (0, s, 0) turned by heading h goes by (-s sin h, s cos h, 0); heading 0 keeps it exactly.
    float s = -0.3f;
    float h = 30.0f * 0.017453292f;
    D3DXMATRIX turn;
    D3DXMatrixRotationZ(&turn, h);
    ExpectVector(Transformed({0, s, 0}, turn), -s * std::sin(h), s * std::cos(h), 0);

    D3DXMatrixRotationZ(&turn, 0.0f);
    D3DXVECTOR3 straight = Transformed({0, s, 0}, turn);
    EXPECT_EQ(straight.x, 0.0f);
    EXPECT_EQ(straight.y, s);
    EXPECT_EQ(straight.z, 0.0f);
}

TEST(D3dxMath, StageCameraLookAt)
{
    D3DXVECTOR3 eye(0, -10, -20), at(0, 0, 1), up(0, 1, 0);
    D3DXMATRIX view;
    EXPECT_EQ(D3DXMatrixLookAtLH(&view, &eye, &at, &up), &view);
    float d = std::sqrt(541.0f);  // |at - eye| = |(0, 10, 21)|
    float c = 21 / d, s = 10 / d;
    ExpectMatrix(view, D3DXMATRIX(1, 0, 0, 0,  //
                                  0, c, s, 0,  //
                                  0, -s, c, 0,  //
                                  0, -(-10 * c + 20 * s), -(-10 * s - 20 * c), 1));
    ExpectVector(Transformed(eye, view), 0, 0, 0, 1e-4f);
    ExpectVector(Transformed(at, view), 0, 0, d, 1e-4f);
    // One unit along world +x from the eye is one unit to the camera's right.
    ExpectVector(Transformed({1, -10, -20}, view), 1, 0, 0, 1e-4f);
}

TEST(D3dxMath, GameProjectionMapsNearAndFarToDepthZeroAndOne)
{
    D3DXMATRIX projection;
    D3DXMatrixPerspectiveFovLH(&projection, 1.0471976f, 1.3333334f, 1.0f, 1000.0f);
    float yScale = 1.7320508f;  // 1 / tan(30 degrees)
    float depth = 1000.0f / 999.0f;
    ExpectMatrix(projection, D3DXMATRIX(yScale / 1.3333334f, 0, 0, 0, 0, yScale, 0, 0, 0, 0, depth, 1, 0, 0,
                                        -depth, 0));
    EXPECT_NEAR(Transformed({0, 0, 1}, projection).z, 0.0f, kNear);
    EXPECT_NEAR(Transformed({0, 0, 1000}, projection).z, 1.0f, kNear);
    EXPECT_NEAR(Transformed({0, 0, 10}, projection).z, depth * 0.9f, kNear);
    // A point at the top edge of the view (30 degrees up) lands at y = 1.
    EXPECT_NEAR(Transformed({0, 10 * std::tan(0.5235988f), 10}, projection).y, 1.0f, kNear);
}

TEST(D3dxMath, ProductsApplyTheLeftMatrixFirst)
{
    D3DXMATRIX scale, turn, move, world;
    D3DXMatrixScaling(&scale, 2, 2, 2);
    D3DXMatrixRotationZ(&turn, kQuarterTurn);
    D3DXMatrixTranslation(&move, 5, 0, 0);
    EXPECT_EQ(D3DXMatrixIdentity(&world), &world);
    EXPECT_EQ(world, kIdentity);
    D3DXMatrixMultiply(&world, &world, &scale);
    D3DXMatrixMultiply(&world, &world, &turn);
    D3DXMatrixMultiply(&world, &world, &move);
    // Scaled to (2, 0, 0), turned to (0, 2, 0), moved to (5, 2, 0).
    ExpectVector(Transformed({1, 0, 0}, world), 5, 2, 0);
    ExpectVector(Transformed({1, 0, 0}, move * turn * scale), 0, 12, 0);
    EXPECT_EQ(scale * turn * move, world);

    D3DXMATRIX product = turn;
    D3DXMatrixMultiply(&product, &scale, &product);  // out aliasing the second input
    EXPECT_EQ(product, scale * turn);
    product = scale;
    product *= turn;
    EXPECT_EQ(product, scale * turn);
}

TEST(D3dxMath, InverseUndoesATransformAndReportsTheDeterminant)
{
    D3DXMATRIX scale, turnX, turnY, move;
    D3DXMatrixScaling(&scale, 2, 3, 4);
    D3DXMatrixRotationX(&turnX, 0.7f);
    D3DXMatrixRotationY(&turnY, -1.2f);
    D3DXMatrixTranslation(&move, 3, -4, 7);
    D3DXMATRIX m = scale * turnX * turnY * move;
    D3DXMATRIX inverse;
    float determinant = 0;
    ASSERT_EQ(D3DXMatrixInverse(&inverse, &determinant, &m), &inverse);
    EXPECT_NEAR(determinant, 24.0f, 1e-4f);
    ExpectMatrix(inverse * m, kIdentity);
    ExpectMatrix(m * inverse, kIdentity);
    ExpectVector(Transformed(Transformed({1, 2, 3}, m), inverse), 1, 2, 3, 1e-4f);

    // The determinant is optional, and out may be the input.
    D3DXMATRIX same = m;
    ASSERT_EQ(D3DXMatrixInverse(&same, nullptr, &same), &same);
    ExpectMatrix(same, inverse);
}

TEST(D3dxMath, SingularMatrixHasNoInverseAndLeavesOutAlone)
{
    D3DXMATRIX flat, out(9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9);
    D3DXMatrixScaling(&flat, 1, 0, 1);
    const D3DXMATRIX before = out;
    float determinant = 5;
    EXPECT_EQ(D3DXMatrixInverse(&out, &determinant, &flat), nullptr);
    EXPECT_EQ(out, before);
    EXPECT_EQ(determinant, 0.0f);
}

TEST(D3dxMath, VectorLengthDotAndNormalize)
{
    D3DXVECTOR3 v(3, 4, 0), w(1, 2, 3), unit;
    EXPECT_EQ(D3DXVec3Length(&v), 5.0f);
    EXPECT_EQ(D3DXVec3Dot(&v, &w), 11.0f);
    EXPECT_EQ(D3DXVec3Normalize(&unit, &v), &unit);
    ExpectVector(unit, 0.6f, 0.8f, 0);

    D3DXVECTOR3 zero(0, 0, 0), out(7, 7, 7);
    D3DXVec3Normalize(&out, &zero);
    EXPECT_EQ(out, zero);  // never NaN

    D3DXVECTOR3 down(0, -5, 0);
    D3DXVec3Normalize(&down, &down);  // in place
    EXPECT_EQ(down, D3DXVECTOR3(0, -1, 0));
}

TEST(D3dxMath, TransformCoordDividesByW)
{
    D3DXMATRIX halve = kIdentity;
    halve._44 = 2;
    ExpectVector(Transformed({2, 4, 6}, halve), 1, 2, 3);
    D3DXMATRIX m = kIdentity;
    m._14 = 1;  // w = x + 1
    m._41 = 3;
    ExpectVector(Transformed({1, 4, 8}, m), 2, 2, 4);
}
