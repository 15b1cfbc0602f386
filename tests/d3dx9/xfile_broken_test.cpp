// The .x reader refuses broken files for the right reason, and reads the real-world
// files of shared/testdata as they should be read.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "support/testdata.h"
#include "xfile_mesh.h"
#include "xfile_samples.h"

using d3dx9::xfile::ReadXMesh;
using d3dx9::xfile::XMeshData;

namespace {

struct Broken {
    const char* what;
    std::vector<uint8_t> file;
    const char* reason;  // part of the reader's explanation
};

std::string Text(const std::string& body) { return "xof 0303txt 0032\n" + body; }

std::vector<uint8_t> Cut(std::vector<uint8_t> file, size_t keep)
{
    file.resize(keep);
    return file;
}

std::vector<uint8_t> Join(std::vector<uint8_t> a, const std::vector<uint8_t>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

std::vector<uint8_t> Le(std::initializer_list<uint32_t> words, int bytesEach)
{
    std::vector<uint8_t> out;
    for (uint32_t w : words)
        for (int i = 0; i < bytesEach; ++i) out.push_back(uint8_t(w >> (8 * i)));
    return out;
}

std::string Nested(int depth)
{
    std::string text;
    for (int i = 0; i < depth; ++i) text += "Frame {\n";
    text += "Mesh { 3; 0.0;0.0;0.0;, 1.0;0.0;0.0;, 0.0;1.0;0.0;; 1; 3;0,1,2;; }\n";
    for (int i = 0; i < depth; ++i) text += "}\n";
    return Text(text);
}

std::vector<Broken> BrokenFiles()
{
    const std::string cube = xsamples::CubeText();
    const std::vector<uint8_t> textBody = xsamples::Bytes(std::string_view(cube).substr(16));
    const std::vector<uint8_t> binary = xsamples::TextToBinaryFile(cube);
    const std::vector<uint8_t> compressed = xsamples::Compress("tzip", "0032", textBody, 32768);
    const std::vector<uint8_t> binaryHeader = xsamples::Bytes("xof 0303bin 0032");
    std::vector<uint8_t> corrupt = compressed;
    corrupt[40] ^= 0xFF;
    corrupt[41] ^= 0x55;
    std::vector<uint8_t> hugeBlock = compressed;
    hugeBlock[20] = 0x40, hugeBlock[21] = 0x9C;  // 40000 bytes, beyond a deflate window

    auto text = [](const std::string& body) { return xsamples::Bytes(Text(body)); };
    const std::string corners = "0.0;0.0;0.0;, 1.0;0.0;0.0;, 0.0;1.0;0.0;;";
    const std::string triangleHead = "Mesh { 3; " + corners + " 1; 3;0,1,2;;\n";
    const std::string material = "Material M { 1.0;1.0;1.0;1.0;; 0.0; 0.0;0.0;0.0;; 0.0;0.0;0.0;; }\n";
    return {
        {"empty", {}, "not a .x file"},
        {"bad magic", xsamples::Bytes("xol 0303txt 0032 Mesh {}"), "not a .x file"},
        {"unknown encoding", xsamples::Bytes("xof 0303abc 0032\n"), "unknown .x encoding"},
        {"unknown float width", xsamples::Bytes("xof 0303txt 0016\n"), "unknown float width"},
        {"text cut in half", Cut(xsamples::Bytes(cube), cube.size() / 2), "unterminated"},
        {"binary cut in half", Cut(binary, binary.size() / 2), "truncated"},
        {"binary cut inside a token code", Cut(binary, 17), "truncated token"},
        {"compressed cut short", Cut(compressed, compressed.size() - 10), "runs past the end"},
        {"compressed size absurd", Join(xsamples::Bytes("xof 0303tzip0032"), Le({0xFFFFFFF0u}, 4)), "impossible size"},
        {"compressed without blocks", Join(xsamples::Bytes("xof 0303tzip0032"), Le({1000}, 4)),
         "inside a block header"},
        {"compressed data corrupt", corrupt, "does not inflate"},
        {"compressed block too large", hugeBlock, "bad compressed block header"},
        // Mesh { followed by a float list of 0xFFFFFFFF floats.
        {"float list longer than the file",
         Join(binaryHeader, Le({1, 4, 0, 'M' | 'e' << 8, 's' | 'h' << 8, 10, 7, 0xFFFF, 0xFFFF}, 2)),
         "truncated number list"},
        {"name longer than the file", Join(binaryHeader, Le({1, 0xFFFF, 0xFFFF}, 2)), "truncated name"},
        {"unknown binary token", Join(binaryHeader, Le({99}, 2)), "unknown binary token"},
        {"unterminated string", text("Mesh { \"abc; }"), "unterminated string"},
        {"unterminated template", text("template Vector { <3d82ab5e-62da-11cf-ab39-0020af71e433> FLOAT x;"),
         "unterminated template"},
        {"unterminated GUID", text("template Vector { <3d82ab5e-62da-11cf-ab39-0020af71e433 FLOAT x; }"),
         "unterminated GUID"},
        {"stray number", text("3; Mesh {}"), "outside any object"},
        {"nested too deep", xsamples::Bytes(Nested(d3dx9::xfile::kMaxXDepth + 1)), "nested too deep"},
        {"vertex count beyond the data", text("Mesh { 1000000000; 0.0;0.0;0.0;; 1; 3;0,0,0;; }"), "vertex or face"},
        {"face count beyond the data", text("Mesh { 3; " + corners + " 4000000000; 3;0,1,2;; }"),
         "vertex or face"},
        {"face index out of range", text("Mesh { 3; " + corners + " 1; 3;0,1,3;; }"),
         "vertex or face"},
        {"face of two corners", text("Mesh { 3; " + corners + " 1; 2;0,1;; }"), "vertex or face"},
        {"negative count", text("Mesh { -3; " + corners + " 1; 3;0,1,2;; }"), "vertex or face"},
        {"fractional count", text("Mesh { 3.5; " + corners + " 1; 3;0,1,2;; }"),
         "vertex or face"},
        {"number beyond float range", text("Mesh { 3; 1e39;0.0;0.0;, 1.0;0.0;0.0;, 0.0;1.0;0.0;; 1; 3;0,1,2;; }"),
         "out of range"},
        {"normals for other faces", text(triangleHead + "MeshNormals { 1; 0.0;0.0;1.0;; 1; 4;0,0,0,0;; } }"),
         "normals do not match"},
        {"normal index out of range", text(triangleHead + "MeshNormals { 1; 0.0;0.0;1.0;; 1; 3;0,0,1;; } }"),
         "normals do not match"},
        {"too few texture coordinates", text(triangleHead + "MeshTextureCoords { 2; 0.0;0.0;, 1.0;1.0;; } }"),
         "fewer texture coordinates"},
        {"colour index out of range", text(triangleHead + "MeshVertexColors { 1; 3;1.0;1.0;1.0;1.0;;; } }"),
         "colour index out of range"},
        {"material index out of range", text(triangleHead + "MeshMaterialList { 1; 1; 1;; " + material + "} }"),
         "material index out of range"},
        {"unknown material", text(triangleHead + "MeshMaterialList { 1; 1; 0;; { Missing } } }"), "unknown material"},
        {"material list counts more than it holds",
         text(triangleHead + "MeshMaterialList { 2; 1; 1;; " + material + "} }"), "fewer materials"},
        {"material with too few values", text(triangleHead + "MeshMaterialList { 1; 1; 0;; Material { 1.0;1.0;; } } }"),
         "too few values"},
        {"frame transform too short", text("Frame { FrameTransformMatrix { 1.0, 0.0;; } }"), "too few values"},
        {"no faces anywhere", text("Frame { Mesh { 0; 0; } }"), "no mesh with faces"},
    };
}

std::vector<uint8_t> ReadFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>((std::istreambuf_iterator<char>(in)), {});
}

}  // namespace

TEST(XFileReader, RefusesBrokenFilesForTheRightReason)
{
    for (const Broken& broken : BrokenFiles()) {
        XMeshData mesh;
        std::string error;
        EXPECT_FALSE(ReadXMesh(broken.file, mesh, error)) << broken.what;
        EXPECT_NE(error.find(broken.reason), std::string::npos) << broken.what << ": " << error;
    }
}

TEST(XFileReader, NestingUpToTheLimitLoads)
{
    XMeshData mesh;
    std::string error;
    EXPECT_TRUE(ReadXMesh(xsamples::Bytes(Nested(d3dx9::xfile::kMaxXDepth - 1)), mesh, error)) << error;
}

TEST(XFileReader, RealWorldCubesAgreeAcrossEncodings)
{
    REQUIRE_TESTDATA();
    const auto dir = TestDataDir() / "x";
    XMeshData text, binary, compressed;
    std::string error;
    ASSERT_TRUE(ReadXMesh(ReadFile(dir / "test_cube_text.x"), text, error)) << error;
    ASSERT_TRUE(ReadXMesh(ReadFile(dir / "test_cube_binary.x"), binary, error)) << error;
    ASSERT_TRUE(ReadXMesh(ReadFile(dir / "test_cube_compressed.x"), compressed, error)) << error;
    EXPECT_EQ(text.vertices.size(), 24u);
    EXPECT_EQ(text.indices.size(), 36u);
    for (const XMeshData* other : {&binary, &compressed}) {
        ASSERT_EQ(other->vertices.size(), text.vertices.size());
        for (size_t i = 0; i < text.vertices.size(); ++i) {
            EXPECT_EQ(other->vertices[i].position, text.vertices[i].position);
            EXPECT_EQ(other->vertices[i].normal, text.vertices[i].normal);
        }
        EXPECT_EQ(other->indices, text.indices);
        ASSERT_EQ(other->materials.size(), 1u);
        EXPECT_FLOAT_EQ(other->materials[0].material.Power, 96.07843f);
    }
}

TEST(XFileReader, RealWorldFiles)
{
    REQUIRE_TESTDATA();
    const auto dir = TestDataDir() / "x";
    struct Expected {
        const char* file;
        bool loads;
        size_t triangles;
        size_t materials;
    };
    const Expected files[] = {
        {"test.x", true, 12, 1},
        {"no_extension_cube", true, 12, 1},
        {"kwxport_test_cubewithvcolors.x", true, 12, 3},
        {"old_cube_withRGBAVertexColor.x", true, 12, 3},
        {"anim_test.x", true, 840, 1},
        {"fromtruespace_bin32.x", true, 6656, 1},
        // Skin weights and vertex declarations are not read, so these load as plain meshes.
        {"malformed_fvf_texcoord_oob.x", true, 1, 1},
        {"malformed_skinweights_oob.x", true, 12, 1},
        {"invalid_empty.x", false, 0, 0},
        {"fuzz_crash_tokenizer.x", false, 0, 0},
    };
    for (const Expected& expected : files) {
        XMeshData mesh;
        std::string error;
        EXPECT_EQ(ReadXMesh(ReadFile(dir / expected.file), mesh, error), expected.loads) << expected.file << error;
        EXPECT_EQ(mesh.indices.size(), expected.triangles * 3) << expected.file;
        EXPECT_EQ(mesh.materials.size(), expected.materials) << expected.file;
    }

    XMeshData coloured;
    std::string error;
    ASSERT_TRUE(ReadXMesh(ReadFile(dir / "kwxport_test_cubewithvcolors.x"), coloured, error));
    EXPECT_TRUE(coloured.hasColours);
    EXPECT_TRUE(coloured.hasTexCoords);
    // The name as the exporter wrote it, doubled backslashes included.
    EXPECT_EQ(coloured.materials[1].texture,
              R"(C:\\code\\sourceforge\\kwxport\\trunkMerged\\test\\data\\top.tga)");
    XMeshData lowercase;
    ASSERT_TRUE(ReadXMesh(ReadFile(dir / "test.x"), lowercase, error));
    EXPECT_EQ(lowercase.materials[0].texture, ".\\\\test.png");  // from "TextureFileName"
}
