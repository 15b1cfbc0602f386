// Every model of the DATA folder, as the stage loading uses it: loaded with its textures,
// measured, drawn face by face and hit by a ray (fake device, the build folder as working
// directory).
#include <cmath>
#include <cstring>

#include "graphics/model_fixture.h"

namespace {

const char* const kModels[] = {
    "./DATA/XFILE/wall.x",    "./DATA/XFILE/skysphere.x", "./DATA/XFILE/jiki.x",     "./DATA/XFILE/tama.x",
    "./DATA/XFILE/missile.x", "./DATA/XFILE/Enemy0.x",    "./DATA/XFILE/Enemy1.x",   "./DATA/XFILE/Enemy2.x",
    "./DATA/XFILE/Enemy3.x",  "./DATA/XFILE/Enemy4.x",    "./DATA/XFILE/Enemy5.x",   "./DATA/XFILE/Enemy6.x",
    "./DATA/XFILE/EnemyTama00.x", "./DATA/XFILE/BossBom.x", "./DATA/XFILE/Boss1.x",
};

D3DXVECTOR3 Cross(const D3DXVECTOR3& a, const D3DXVECTOR3& b)
{
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

// The centre and the unit normal of face 0, read through the mesh's buffers.
void FirstFace(ID3DXMesh* mesh, D3DXVECTOR3& centre, D3DXVECTOR3& normal)
{
    IDirect3DVertexBuffer9* vertexBuffer = nullptr;
    IDirect3DIndexBuffer9* indexBuffer = nullptr;
    mesh->GetVertexBuffer(&vertexBuffer);
    mesh->GetIndexBuffer(&indexBuffer);
    D3DINDEXBUFFER_DESC desc;
    indexBuffer->GetDesc(&desc);
    const uint8_t* vertices = nullptr;
    const uint8_t* indices = nullptr;
    vertexBuffer->Lock(0, 0, (void**)&vertices, D3DLOCK_READONLY);
    indexBuffer->Lock(0, 0, (void**)&indices, D3DLOCK_READONLY);
    D3DXVECTOR3 corner[3];
    for (int i = 0; i < 3; ++i) {
        uint32_t index = 0;
        std::memcpy(&index, indices + i * (desc.Format == D3DFMT_INDEX32 ? 4 : 2),
                    desc.Format == D3DFMT_INDEX32 ? 4 : 2);
        std::memcpy(&corner[i], vertices + size_t(index) * D3DXGetFVFVertexSize(mesh->GetFVF()), 12);
    }
    vertexBuffer->Unlock();
    indexBuffer->Unlock();
    vertexBuffer->Release();
    indexBuffer->Release();
    centre = (corner[0] + corner[1] + corner[2]) / 3.0f;
    D3DXVECTOR3 n = Cross(corner[1] - corner[0], corner[2] - corner[0]);
    normal = n / std::sqrt(n.x * n.x + n.y * n.y + n.z * n.z);
}

using GameModelsTest = ModelFixture;

}  // namespace

TEST_F(GameModelsTest, EveryModelLoadsMeasuresDrawsAndStopsARay)
{
    const D3DXVECTOR3 pos(0, 0, 0), rot(-90, 0, 0), scale(1, 1, 1);
    const float colour[4] = {1, 1, 1, 1};
    for (const char* file : kModels) {
        SCOPED_TRACE(file);
        fake::ClearCalls();
        GameObject& model = Owner();
        ASSERT_EQ(LoadModel(&model, file, &pos, &rot, &scale, colour), 0);
        EXPECT_TRUE(fake::CallsStartingWith("MessageBoxA").empty());
        // Every texture the file names is there.
        size_t textures = 0;
        for (DWORD i = 0; i < model.materialCount; ++i) textures += model.textures[i] != nullptr;
        EXPECT_EQ(textures, fake::CallsStartingWith("D3DXCreateTextureFromFileA(").size());

        ASSERT_EQ(ComputeBoundingSphere(&model, 1.0f), 0);
        EXPECT_GT(model.sphere.radius, 0.0f);

        // Each face drawn once, one subset per material.
        fake::ClearCalls();
        DrawModel(&model);
        std::vector<std::string> draws = fake::CallsStartingWith("DrawIndexedPrimitive");
        EXPECT_EQ(draws.size(), model.materialCount);
        DWORD drawn = 0;
        for (const std::string& draw : draws) drawn += std::stoul(draw.substr(draw.rfind(' ') + 1));
        EXPECT_EQ(drawn, model.mesh->GetNumFaces());

        // A ray towards face 0 from outside the bounding sphere meets the mesh no later
        // than at that face.
        D3DXVECTOR3 centre, normal;
        FirstFace(model.mesh, centre, normal);
        const float away = 2.0f * model.sphere.radius + 1.0f;
        D3DXVECTOR3 start = centre + normal * away, direction = -normal;
        BOOL hit = FALSE;
        float distance = 0.0f;
        EXPECT_EQ(D3DXIntersect(model.mesh, &start, &direction, &hit, nullptr, nullptr, nullptr, &distance, nullptr,
                                nullptr),
                  D3D_OK);
        EXPECT_TRUE(hit);
        EXPECT_LE(distance, away + 1e-3f);
    }
}
