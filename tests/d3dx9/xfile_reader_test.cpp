// The .x reader on hand-written files: one cube in every encoding, frames, materials,
// polygons, normals and colours.
#include <gtest/gtest.h>

#include <cmath>

#include "xfile_mesh.h"
#include "xfile_samples.h"

using d3dx9::xfile::ReadXMesh;
using d3dx9::xfile::XMeshData;

namespace {

XMeshData Read(const std::vector<uint8_t>& file)
{
    XMeshData mesh;
    std::string error;
    EXPECT_TRUE(ReadXMesh(file, mesh, error)) << error;
    return mesh;
}

XMeshData Read(const std::string& text) { return Read(xsamples::Bytes(text)); }

void ExpectNear(const D3DXVECTOR3& v, float x, float y, float z)
{
    EXPECT_NEAR(v.x, x, 1e-5f);
    EXPECT_NEAR(v.y, y, 1e-5f);
    EXPECT_NEAR(v.z, z, 1e-5f);
}

void ExpectSameMesh(const XMeshData& a, const XMeshData& b)
{
    ASSERT_EQ(a.vertices.size(), b.vertices.size());
    for (size_t i = 0; i < a.vertices.size(); ++i) {
        EXPECT_EQ(a.vertices[i].position, b.vertices[i].position) << "vertex " << i;
        EXPECT_EQ(a.vertices[i].normal, b.vertices[i].normal) << "vertex " << i;
        EXPECT_EQ(a.vertices[i].u, b.vertices[i].u);
        EXPECT_EQ(a.vertices[i].v, b.vertices[i].v);
        EXPECT_EQ(a.vertices[i].colour, b.vertices[i].colour);
    }
    EXPECT_EQ(a.indices, b.indices);
    EXPECT_EQ(a.attributes, b.attributes);
    ASSERT_EQ(a.materials.size(), b.materials.size());
    for (size_t i = 0; i < a.materials.size(); ++i) {
        EXPECT_EQ(0, std::memcmp(&a.materials[i].material, &b.materials[i].material, sizeof(D3DMATERIAL9)));
        EXPECT_EQ(a.materials[i].hasTexture, b.materials[i].hasTexture);
        EXPECT_EQ(a.materials[i].texture, b.materials[i].texture);
    }
    EXPECT_EQ(a.hasColours, b.hasColours);
    EXPECT_EQ(a.hasTexCoords, b.hasTexCoords);
}

// A body of text after a header, for small files.
std::string Text(const std::string& body) { return "xof 0303txt 0032\n" + body; }

const char* kTriangle = "Mesh { 3; 0.0;0.0;0.0;, 1.0;0.0;0.0;, 0.0;1.0;0.0;; 1; 3;0,1,2;; }\n";

}  // namespace

TEST(XFileReader, CubeFromText)
{
    XMeshData cube = Read(xsamples::CubeText());
    // 8 positions with 3 normals each: 24 vertices; 6 quads: 12 triangles.
    EXPECT_EQ(cube.vertices.size(), 24u);
    ASSERT_EQ(cube.indices.size(), 36u);
    EXPECT_EQ(cube.attributes, (std::vector<uint32_t>{0, 0, 0, 0, 1, 1, 1, 1, 0, 0, 1, 1}));
    EXPECT_TRUE(cube.hasTexCoords);
    EXPECT_FALSE(cube.hasColours);

    // The front quad 0,1,2,3 becomes the fan (0,1,2), (0,2,3) with the front normal.
    const auto& v = cube.vertices;
    ExpectNear(v[cube.indices[0]].position, -1, -1, -1);
    ExpectNear(v[cube.indices[1]].position, -1, 1, -1);
    ExpectNear(v[cube.indices[2]].position, 1, 1, -1);
    ExpectNear(v[cube.indices[3]].position, -1, -1, -1);
    ExpectNear(v[cube.indices[4]].position, 1, 1, -1);
    ExpectNear(v[cube.indices[5]].position, 1, -1, -1);
    EXPECT_EQ(cube.indices[0], cube.indices[3]);
    for (int i = 0; i < 6; ++i) ExpectNear(v[cube.indices[i]].normal, 0, 0, -1);
    // Position 0 also belongs to the left face: a second vertex with the left normal.
    ExpectNear(v[cube.indices[5 * 3 + 2]].position, -1, -1, -1);
    ExpectNear(v[cube.indices[5 * 3 + 2]].normal, -1, 0, 0);
    EXPECT_EQ(v[cube.indices[2]].u, 1.0f);
    EXPECT_EQ(v[cube.indices[2]].v, 0.0f);

    ASSERT_EQ(cube.materials.size(), 2u);
    const D3DMATERIAL9& inlineMaterial = cube.materials[0].material;
    EXPECT_EQ(inlineMaterial.Diffuse.r, 0.2f);
    EXPECT_EQ(inlineMaterial.Diffuse.g, 0.4f);
    EXPECT_EQ(inlineMaterial.Diffuse.b, 0.6f);
    EXPECT_EQ(inlineMaterial.Diffuse.a, 1.0f);
    EXPECT_EQ(inlineMaterial.Power, 8.0f);
    EXPECT_TRUE(cube.materials[0].hasTexture);
    EXPECT_EQ(cube.materials[0].texture, "tex/cube.png");
    const D3DMATERIAL9& red = cube.materials[1].material;
    EXPECT_EQ(red.Diffuse.r, 1.0f);
    EXPECT_EQ(red.Diffuse.g, 0.0f);
    EXPECT_EQ(red.Power, 20.0f);
    EXPECT_EQ(red.Specular.g, 0.5f);
    EXPECT_EQ(red.Emissive.b, 0.25f);
    EXPECT_FALSE(cube.materials[1].hasTexture);
}

TEST(XFileReader, SameCubeInEveryEncoding)
{
    const std::string text = xsamples::CubeText();
    const XMeshData expected = Read(text);
    std::vector<uint8_t> body32 = xsamples::TextBodyToBinary(std::string_view(text).substr(16), 4);
    std::vector<uint8_t> body64 = xsamples::TextBodyToBinary(std::string_view(text).substr(16), 8);
    std::vector<uint8_t> textBody = xsamples::Bytes(std::string_view(text).substr(16));

    SCOPED_TRACE("version 0302");
    ExpectSameMesh(expected, Read(xsamples::CubeText("0302")));
    SCOPED_TRACE("binary, 32-bit floats");
    ExpectSameMesh(expected, Read(xsamples::TextToBinaryFile(text, 4)));
    SCOPED_TRACE("binary, 64-bit floats");
    ExpectSameMesh(expected, Read(xsamples::TextToBinaryFile(text, 8)));
    SCOPED_TRACE("compressed text, one block");
    ExpectSameMesh(expected, Read(xsamples::Compress("tzip", "0032", textBody, 32768)));
    // Small blocks make later blocks refer back into earlier ones.
    SCOPED_TRACE("compressed text, many blocks");
    ExpectSameMesh(expected, Read(xsamples::Compress("tzip", "0032", textBody, 97)));
    SCOPED_TRACE("compressed binary, many blocks");
    ExpectSameMesh(expected, Read(xsamples::Compress("bzip", "0032", body32, 64)));
    SCOPED_TRACE("compressed binary, 64-bit floats");
    ExpectSameMesh(expected, Read(xsamples::Compress("bzip", "0064", body64, 300)));
}

TEST(XFileReader, FrameTransformsNest)
{
    // The outer frame moves by (10, 0, 0); the inner one turns 90 degrees about z
    // (x becomes y) and doubles; a row vector goes through the inner matrix first.
    XMeshData mesh = Read(Text(R"(
Frame Outer {
 FrameTransformMatrix { 1,0,0,0, 0,1,0,0, 0,0,1,0, 10,0,0,1;; }
 Frame Inner {
  FrameTransformMatrix { 0,2,0,0, -2,0,0,0, 0,0,2,0, 0,0,0,1;; }
  Mesh {
   3; 1.0;0.0;0.0;, 0.0;1.0;0.0;, 0.0;0.0;1.0;;
   1; 3;0,1,2;;
   MeshNormals { 1; 1.0;0.0;0.0;; 1; 3;0,0,0;; }
  }
 }
 Mesh { 3; 0.0;0.0;0.0;, 1.0;0.0;0.0;, 0.0;1.0;0.0;; 1; 3;0,1,2;; }
}
)"));
    ASSERT_EQ(mesh.vertices.size(), 6u);
    ExpectNear(mesh.vertices[0].position, 10, 2, 0);
    ExpectNear(mesh.vertices[1].position, 8, 0, 0);
    ExpectNear(mesh.vertices[2].position, 10, 0, 2);
    // Normals turn but keep unit length.
    ExpectNear(mesh.vertices[0].normal, 0, 1, 0);
    // The second mesh only takes the outer frame's move.
    ExpectNear(mesh.vertices[4].position, 11, 0, 0);
    EXPECT_EQ(mesh.indices, (std::vector<uint32_t>{0, 1, 2, 3, 4, 5}));
    // Each mesh without a material list has its own white material.
    ASSERT_EQ(mesh.materials.size(), 2u);
    EXPECT_EQ(mesh.attributes, (std::vector<uint32_t>{0, 1}));
}

TEST(XFileReader, MaterialsInlineByReferenceAndDefault)
{
    XMeshData mesh = Read(Text(R"(
Material Shared { 0.1;0.2;0.3;0.5;; 5.0; 0.0;0.0;0.0;; 0.0;0.0;0.0;; TextureFileName { "Shared Tex.JPG"; } }
Mesh {
 4; 0.0;0.0;0.0;, 1.0;0.0;0.0;, 0.0;1.0;0.0;, 1.0;1.0;0.0;;
 3; 3;0,1,2;, 3;1,3,2;, 3;0,2,3;;
 MeshMaterialList {
  3; 2; 2, 0;;
  { Shared }
  Material Plain { 1.0;1.0;0.0;1.0;; 0.0; 0.0;0.0;0.0;; 0.0;0.0;0.0;; }
  Material Empty { 1.0;1.0;1.0;1.0;; 0.0; 0.0;0.0;0.0;; 0.0;0.0;0.0;; TextureFilename { ""; } }
 }
}
)"));
    ASSERT_EQ(mesh.materials.size(), 3u);
    EXPECT_EQ(mesh.materials[0].texture, "Shared Tex.JPG");  // kept exactly as written
    EXPECT_EQ(mesh.materials[0].material.Diffuse.a, 0.5f);
    EXPECT_FALSE(mesh.materials[1].hasTexture);
    EXPECT_TRUE(mesh.materials[2].hasTexture);
    EXPECT_EQ(mesh.materials[2].texture, "");
    // Two entries for three faces: the last entry carries on.
    EXPECT_EQ(mesh.attributes, (std::vector<uint32_t>{2, 0, 0}));

    XMeshData plain = Read(Text(kTriangle));
    ASSERT_EQ(plain.materials.size(), 1u);
    EXPECT_EQ(plain.materials[0].material.Diffuse.r, 1.0f);
    EXPECT_EQ(plain.materials[0].material.Diffuse.a, 1.0f);
    EXPECT_FALSE(plain.materials[0].hasTexture);
}

TEST(XFileReader, ComputesAreaWeightedNormalsWhenTheFileHasNone)
{
    // Two triangles folded along the y axis at a right angle, one facing -z and one +x;
    // the first is twice as large, so the shared edge leans towards -z.
    XMeshData mesh = Read(Text(R"(
Mesh {
 4; 0.0;0.0;0.0;, 0.0;1.0;0.0;, 2.0;0.0;0.0;, 0.0;0.0;-1.0;;
 2; 3;0,1,2;, 3;0,3,1;;
}
)"));
    ASSERT_EQ(mesh.vertices.size(), 4u);
    ExpectNear(mesh.vertices[2].normal, 0, 0, -1);
    ExpectNear(mesh.vertices[3].normal, 1, 0, 0);
    float n = std::sqrt(5.0f);
    ExpectNear(mesh.vertices[0].normal, 1 / n, 0, -2 / n);
    ExpectNear(mesh.vertices[1].normal, 1 / n, 0, -2 / n);
}

TEST(XFileReader, VertexColoursAndLooseSeparators)
{
    // Exporters differ in separators; numbers count, punctuation does not.
    XMeshData mesh = Read(Text(R"(
Mesh {
 3 0.0 0.0 0.0 1 0 0 0 1 0
 1 3 0 1 2
 MeshVertexColors { 2; 2;1.0;0.5;0.0;1.0;;, 0;0.0;0.0;1.0;0.0;;; }
}
)"));
    ASSERT_TRUE(mesh.hasColours);
    EXPECT_FALSE(mesh.hasTexCoords);
    EXPECT_EQ(mesh.vertices[0].colour, 0x000000FFu);
    EXPECT_EQ(mesh.vertices[1].colour, 0xFFFFFFFFu);
    EXPECT_EQ(mesh.vertices[2].colour, 0xFFFF8000u);
    ExpectNear(mesh.vertices[1].position, 1, 0, 0);
}
