// Vertex sizes and bounding spheres.
#include <gtest/gtest.h>

#include <cmath>

#include "d3dx9.h"

TEST(VertexSize, AddsTheSizesOfTheFormatsParts)
{
    EXPECT_EQ(D3DXGetFVFVertexSize(D3DFVF_XYZ), 12u);
    EXPECT_EQ(D3DXGetFVFVertexSize(D3DFVF_XYZ | D3DFVF_NORMAL), 24u);
    EXPECT_EQ(D3DXGetFVFVertexSize(D3DFVF_XYZ | D3DFVF_DIFFUSE | D3DFVF_TEX1), 24u);  // the effect vertex
    EXPECT_EQ(D3DXGetFVFVertexSize(D3DFVF_XYZ | D3DFVF_NORMAL | D3DFVF_DIFFUSE | D3DFVF_TEX1), 36u);
    EXPECT_EQ(D3DXGetFVFVertexSize(D3DFVF_XYZRHW | D3DFVF_DIFFUSE | D3DFVF_SPECULAR | D3DFVF_TEX2), 40u);
}

TEST(BoundingSphere, CentreIsTheMeanAndRadiusTheFarthestPosition)
{
    // Strided vertices: a position and a normal each. The mean of the four positions is
    // (1, 1, 0), not the centre of their box (2, 1, 0).
    struct Vertex {
        D3DXVECTOR3 position, normal;
    };
    const Vertex vertices[] = {
        {{0, 0, 0}, {9, 9, 9}}, {{0, 2, 0}, {9, 9, 9}}, {{0, 2, 0}, {9, 9, 9}}, {{4, 0, 0}, {9, 9, 9}}};
    D3DXVECTOR3 centre;
    float radius = 0.0f;
    ASSERT_EQ(D3DXComputeBoundingSphere(&vertices[0].position, 4, sizeof(Vertex), &centre, &radius), D3D_OK);
    EXPECT_FLOAT_EQ(centre.x, 1.0f);
    EXPECT_FLOAT_EQ(centre.y, 1.0f);
    EXPECT_FLOAT_EQ(centre.z, 0.0f);
    EXPECT_FLOAT_EQ(radius, std::sqrt(10.0f));
}

TEST(BoundingSphere, RefusesMissingArgumentsAndLeavesResultsAlone)
{
    D3DXVECTOR3 position(1, 2, 3), centre(7, 7, 7);
    float radius = 5.0f;
    EXPECT_LT(D3DXComputeBoundingSphere(nullptr, 1, 12, &centre, &radius), 0);
    EXPECT_LT(D3DXComputeBoundingSphere(&position, 0, 12, &centre, &radius), 0);
    EXPECT_LT(D3DXComputeBoundingSphere(&position, 1, 8, &centre, &radius), 0);
    EXPECT_EQ(centre, D3DXVECTOR3(7, 7, 7));
    EXPECT_EQ(radius, 5.0f);
}
