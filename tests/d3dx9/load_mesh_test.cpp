// D3DXLoadMeshFromXA on the fake device: the mesh in device buffers, subsets, material
// records and failures.
#include <cstring>

#include "mesh_fixture.h"
#include "resources.h"
#include "xfile_samples.h"

namespace {

std::vector<std::string> CallsFrom(size_t first)
{
    return std::vector<std::string>(fake::Calls().begin() + first, fake::Calls().end());
}

}  // namespace

TEST_F(MeshTest, LoadsTheCubeIntoDeviceBuffersWithOneSubsetPerMaterial)
{
    std::string file = Write("cube.x", xsamples::CubeText());
    ID3DXMesh* mesh = nullptr;
    ID3DXBuffer* materials = nullptr;
    DWORD count = 0;
    ASSERT_EQ(D3DXLoadMeshFromXA(file.c_str(), D3DXMESH_SYSTEMMEM, device_, nullptr, &materials, nullptr, &count,
                                 &mesh),
              D3D_OK);
    // Reported first, then the buffers: 24 vertices of 32 bytes, 36 16-bit indices.
    EXPECT_EQ(CallsFrom(0), (std::vector<std::string>{
                                "D3DXLoadMeshFromXA(\"" + file + "\", SYSTEMMEM)",
                                "CreateVertexBuffer(768, 0, XYZ|NORMAL|TEX1, SYSTEMMEM)",
                                "CreateIndexBuffer(72, 0, INDEX16, SYSTEMMEM)",
                            }));
    EXPECT_EQ(mesh->GetNumVertices(), 24u);
    EXPECT_EQ(mesh->GetNumFaces(), 12u);
    EXPECT_EQ(mesh->GetFVF(), DWORD(D3DFVF_XYZ | D3DFVF_NORMAL | D3DFVF_TEX1));

    // The file's material order 0,0,1,1,0,1 comes out grouped.
    DWORD* attributes = nullptr;
    ASSERT_EQ(mesh->LockAttributeBuffer(0, &attributes), D3D_OK);
    EXPECT_EQ(std::vector<DWORD>(attributes, attributes + 12),
              (std::vector<DWORD>{0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 1, 1}));
    mesh->UnlockAttributeBuffer();

    ASSERT_EQ(count, 2u);
    ASSERT_EQ(materials->GetBufferSize(), 2 * sizeof(D3DXMATERIAL) + sizeof("tex/cube.png"));
    const auto* records = static_cast<const D3DXMATERIAL*>(materials->GetBufferPointer());
    EXPECT_STREQ(records[0].pTextureFilename, "tex/cube.png");
    EXPECT_EQ(records[0].MatD3D.Diffuse.b, 0.6f);
    EXPECT_EQ(records[1].pTextureFilename, nullptr);
    EXPECT_EQ(records[1].MatD3D.Power, 20.0f);

    // Each subset is one draw from the buffers made at load time; drawing again uploads
    // nothing new, as the buffers' contents stay as they were.
    IDirect3DVertexBuffer9* vertices = nullptr;
    ASSERT_EQ(mesh->GetVertexBuffer(&vertices), D3D_OK);
    const uint64_t version = dynamic_cast<d3d9::MemoryVertexBuffer*>(vertices)->Version();
    size_t before = fake::Calls().size();
    for (int frame = 0; frame < 2; ++frame) {
        EXPECT_EQ(mesh->DrawSubset(1), D3D_OK);
        EXPECT_EQ(mesh->DrawSubset(7), D3D_OK);  // no faces: nothing drawn
    }
    EXPECT_EQ(CallsFrom(before), (std::vector<std::string>{
                                     "SetFVF(XYZ|NORMAL|TEX1)",
                                     "SetStreamSource(0, vb1, 0, 32)",
                                     "SetIndices(ib1)",
                                     "DrawIndexedPrimitive(TRIANGLELIST, 0, 0, 24, 18, 6)",
                                     "SetFVF(XYZ|NORMAL|TEX1)",
                                     "SetStreamSource(0, vb1, 0, 32)",
                                     "SetIndices(ib1)",
                                     "DrawIndexedPrimitive(TRIANGLELIST, 0, 0, 24, 18, 6)",
                                 }));
    EXPECT_EQ(dynamic_cast<d3d9::MemoryVertexBuffer*>(vertices)->Version(), version);

    // The vertex data as laid out by the format: position, normal, texture coordinates.
    float* data = nullptr;
    ASSERT_EQ(vertices->Lock(0, 0, reinterpret_cast<void**>(&data), D3DLOCK_READONLY), D3D_OK);
    EXPECT_EQ(std::vector<float>(data, data + 8), (std::vector<float>{-1, -1, -1, 0, 0, -1, 0, 1}));
    vertices->Unlock();
    vertices->Release();

    materials->Release();
    EXPECT_EQ(fake::Live().vertexBuffers, 1);
    mesh->Release();
    EXPECT_EQ(fake::Live().vertexBuffers, 0);
    EXPECT_EQ(fake::Live().indexBuffers, 0);
}

TEST_F(MeshTest, VertexColoursAddDiffuseAndLargeOrAskedMeshesUse32BitIndices)
{
    std::string file = Write("coloured.x", std::string("xof 0302txt 0064\n") +
                                               "Mesh { 3; 0.0;0.0;0.0;, 1.0;0.0;0.0;, 0.0;1.0;0.0;; 1; 3;0,1,2;;"
                                               " MeshVertexColors { 1; 1;1.0;0.0;0.0;1.0;;; } }");
    ID3DXMesh* mesh = nullptr;
    DWORD count = 0;
    ASSERT_EQ(D3DXLoadMeshFromXA(file.c_str(), D3DXMESH_MANAGED | D3DXMESH_32BIT, device_, nullptr, nullptr, nullptr,
                                 &count, &mesh),
              D3D_OK);
    EXPECT_EQ(mesh->GetFVF(), DWORD(D3DFVF_XYZ | D3DFVF_NORMAL | D3DFVF_DIFFUSE));
    EXPECT_EQ(count, 1u);  // the white material of a mesh without a list
    EXPECT_EQ(CallsFrom(1), (std::vector<std::string>{"CreateVertexBuffer(84, 0, XYZ|NORMAL|DIFFUSE, MANAGED)",
                                                      "CreateIndexBuffer(12, 0, INDEX32, MANAGED)"}));
    mesh->Release();
}

TEST_F(MeshTest, FailedLoadsLeaveTheOutputsAlone)
{
    std::string broken = Write("broken.x", std::string("xof 0303txt 0032\nMesh { 3; 0.0;0.0;0.0;;"));
    ID3DXMesh* const untouched = reinterpret_cast<ID3DXMesh*>(uintptr_t(0x1234));
    ID3DXMesh* mesh = untouched;
    ID3DXBuffer* materials = nullptr;
    DWORD count = 77;
    EXPECT_LT(D3DXLoadMeshFromXA((folder_ / "missing.x").c_str(), D3DXMESH_SYSTEMMEM, device_, nullptr, &materials,
                                 nullptr, &count, &mesh),
              0);
    EXPECT_EQ(D3DXLoadMeshFromXA(broken.c_str(), D3DXMESH_SYSTEMMEM, device_, nullptr, &materials, nullptr, &count,
                                 &mesh),
              D3DXERR_INVALIDDATA);
    EXPECT_LT(D3DXLoadMeshFromXA(folder_.c_str(), D3DXMESH_SYSTEMMEM, device_, nullptr, &materials, nullptr, &count,
                                 &mesh),
              0);
    EXPECT_EQ(mesh, untouched);
    EXPECT_EQ(materials, nullptr);
    EXPECT_EQ(count, 77u);
    // Each attempt is reported, and none made a buffer.
    EXPECT_EQ(fake::CallsStartingWith("D3DXLoadMeshFromXA").size(), 3u);
    EXPECT_TRUE(fake::CallsStartingWith("Create").empty());
}
