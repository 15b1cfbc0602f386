// D3DXIntersect and D3DXCreateSphere on the fake device.
#include <cmath>

#include "mesh_fixture.h"

namespace {

// Two squares facing the ray along +z, the far one (z = 5) listed first, and a square at
// x = 10 off to the side. Squares span -1 to 1 in x and y.
const char* kSquares = R"(xof 0303txt 0032
Mesh {
 12;
 -1.0;-1.0;5.0;, -1.0;1.0;5.0;, 1.0;1.0;5.0;, 1.0;-1.0;5.0;,
 -1.0;-1.0;2.0;, -1.0;1.0;2.0;, 1.0;1.0;2.0;, 1.0;-1.0;2.0;,
 9.0;-1.0;0.0;, 9.0;1.0;0.0;, 11.0;1.0;0.0;, 11.0;-1.0;0.0;;
 3; 4;0,1,2,3;, 4;4,5,6,7;, 4;8,9,10,11;;
}
)";

}  // namespace

class IntersectTest : public MeshTest {
protected:
    void SetUp() override
    {
        MeshTest::SetUp();
        std::string file = Write("squares.x", std::string(kSquares));
        ASSERT_EQ(D3DXLoadMeshFromXA(file.c_str(), D3DXMESH_SYSTEMMEM, device_, nullptr, nullptr, nullptr, nullptr,
                                     &mesh_),
                  D3D_OK);
    }
    void TearDown() override
    {
        if (mesh_) mesh_->Release();
        MeshTest::TearDown();
    }

    ID3DXMesh* mesh_ = nullptr;
};

TEST_F(IntersectTest, ReportsTheNearestOfSeveralHits)
{
    D3DXVECTOR3 start(0.5f, -0.25f, 0.0f), direction(0.0f, 0.0f, 1.0f);
    BOOL hit = FALSE;
    DWORD face = 99, count = 0;
    float u = -1, v = -1, distance = -1;
    ASSERT_EQ(D3DXIntersect(mesh_, &start, &direction, &hit, &face, &u, &v, &distance, nullptr, &count), D3D_OK);
    EXPECT_TRUE(hit);
    EXPECT_EQ(count, 2u);
    EXPECT_FLOAT_EQ(distance, 2.0f);
    // Faces 2 and 3 are the near square's fan (4,5,6) and (4,6,7); the point lies in the
    // second: p = v4 + u (v6 - v4) + v (v7 - v4).
    EXPECT_EQ(face, 3u);
    EXPECT_FLOAT_EQ(u, 0.375f);
    EXPECT_FLOAT_EQ(v, 0.375f);
}

TEST_F(IntersectTest, DistanceIsInUnitsOfTheDirectionAndRunsPastItsEnd)
{
    // A short direction: the near square lies 20 direction lengths away.
    D3DXVECTOR3 start(0.0f, 0.0f, 0.0f), shortStep(0.0f, 0.0f, 0.1f), longStep(0.0f, 0.0f, 4.0f);
    BOOL hit = FALSE;
    float distance = 0;
    ASSERT_EQ(D3DXIntersect(mesh_, &start, &shortStep, &hit, nullptr, nullptr, nullptr, &distance, nullptr, nullptr),
              D3D_OK);
    EXPECT_TRUE(hit);
    EXPECT_FLOAT_EQ(distance, 20.0f);
    ASSERT_EQ(D3DXIntersect(mesh_, &start, &longStep, &hit, nullptr, nullptr, nullptr, &distance, nullptr, nullptr),
              D3D_OK);
    EXPECT_FLOAT_EQ(distance, 0.5f);
}

TEST_F(IntersectTest, MissesLeaveTheDistanceAlone)
{
    const D3DXVECTOR3 starts[] = {{0, 0, 0}, {0, 0, 6}, {5, 0, 0}, {10, 0, -1}, {8, 0, 0}};
    const D3DXVECTOR3 directions[] = {{0, 0, -1}, {0, 0, 1}, {0, 0, 1}, {1, 0, 0}, {1, 0, 0}};
    const char* why[] = {"pointing away", "beyond every face", "between the squares", "parallel to the square",
                         "in the square's plane"};
    for (int i = 0; i < 5; ++i) {
        BOOL hit = TRUE;
        DWORD count = 9;
        float distance = 42.0f;
        ASSERT_EQ(D3DXIntersect(mesh_, &starts[i], &directions[i], &hit, nullptr, nullptr, nullptr, &distance, nullptr,
                                &count),
                  D3D_OK);
        EXPECT_FALSE(hit) << why[i];
        EXPECT_EQ(count, 0u) << why[i];
        EXPECT_EQ(distance, 42.0f) << why[i];
    }
    // The square at x = 10 is hit from above along -z: every face is tested.
    D3DXVECTOR3 above(10.0f, 0.5f, 3.0f), down(0.0f, 0.0f, -1.0f);
    BOOL hit = FALSE;
    float distance = 0;
    D3DXIntersect(mesh_, &above, &down, &hit, nullptr, nullptr, nullptr, &distance, nullptr, nullptr);
    EXPECT_TRUE(hit);
    EXPECT_FLOAT_EQ(distance, 3.0f);
}

TEST_F(IntersectTest, NullMeshFailsWithoutAHit)
{
    D3DXVECTOR3 start(0, 0, 0), direction(0, 0, 1);
    BOOL hit = FALSE;
    float distance = 7.0f;
    EXPECT_LT(D3DXIntersect(nullptr, &start, &direction, &hit, nullptr, nullptr, nullptr, &distance, nullptr, nullptr),
              0);
    EXPECT_FALSE(hit);
    EXPECT_EQ(distance, 7.0f);
}

TEST_F(MeshTest, SphereHasItsSizeAndOutwardFaces)
{
    ID3DXMesh* sphere = nullptr;
    ASSERT_EQ(D3DXCreateSphere(device_, 2.5f, 24, 24, &sphere, nullptr), D3D_OK);
    // Two poles and 23 rings of 24; 24 triangles at each pole and two per quad between.
    ASSERT_EQ(sphere->GetNumVertices(), 2u + 23 * 24);
    ASSERT_EQ(sphere->GetNumFaces(), 2u * 24 * 23);
    ASSERT_EQ(sphere->GetFVF(), DWORD(D3DFVF_XYZ | D3DFVF_NORMAL));

    IDirect3DVertexBuffer9* vertexBuffer = nullptr;
    IDirect3DIndexBuffer9* indexBuffer = nullptr;
    sphere->GetVertexBuffer(&vertexBuffer);
    sphere->GetIndexBuffer(&indexBuffer);
    const D3DXVECTOR3* v = nullptr;
    const uint16_t* index = nullptr;
    ASSERT_EQ(vertexBuffer->Lock(0, 0, (void**)&v, D3DLOCK_READONLY), D3D_OK);
    ASSERT_EQ(indexBuffer->Lock(0, 0, (void**)&index, D3DLOCK_READONLY), D3D_OK);
    // Wound clockwise seen from outside: (v1 - v0) x (v2 - v0) points away from the centre.
    for (DWORD f = 0; f < sphere->GetNumFaces(); ++f) {
        D3DXVECTOR3 a = v[2 * index[3 * f]], b = v[2 * index[3 * f + 1]], c = v[2 * index[3 * f + 2]];
        D3DXVECTOR3 e1 = b - a, e2 = c - a;
        D3DXVECTOR3 cross(e1.y * e2.z - e1.z * e2.y, e1.z * e2.x - e1.x * e2.z, e1.x * e2.y - e1.y * e2.x);
        D3DXVECTOR3 middle = (a + b + c) / 3.0f;
        EXPECT_GT(cross.x * middle.x + cross.y * middle.y + cross.z * middle.z, 0.0f) << "face " << f;
    }
    D3DXVECTOR3 centre;
    float radius = 0;
    ASSERT_EQ(D3DXComputeBoundingSphere(v, sphere->GetNumVertices(), 24, &centre, &radius), D3D_OK);
    EXPECT_NEAR(radius, 2.5f, 1e-5f);
    vertexBuffer->Unlock();
    indexBuffer->Unlock();
    vertexBuffer->Release();
    indexBuffer->Release();

    // A ray through the centre meets the far side too, but reports the near one.
    D3DXVECTOR3 start(0.0f, 0.0f, -10.0f), direction(0.0f, 0.0f, 2.0f);
    BOOL hit = FALSE;
    float distance = 0;
    D3DXIntersect(sphere, &start, &direction, &hit, nullptr, nullptr, nullptr, &distance, nullptr, nullptr);
    EXPECT_TRUE(hit);
    EXPECT_NEAR(distance, 3.75f, 1e-5f);
    sphere->Release();

    EXPECT_LT(D3DXCreateSphere(device_, 1.0f, 1, 24, &sphere, nullptr), 0);
    EXPECT_LT(D3DXCreateSphere(device_, -1.0f, 24, 24, &sphere, nullptr), 0);
    // Refused before anything is built: buffers of over a gigabyte.
    EXPECT_LT(D3DXCreateSphere(device_, 1.0f, 100000, 100000, &sphere, nullptr), 0);
}
