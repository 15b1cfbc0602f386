// The generated DATA/XFILE folder as the stage loading uses it: every model file the game
// names loads with the game's own loader at the model's scale and colour, measures the
// radius it was built to, draws one subset per material and stops a ray; its textures
// load, PNG and JPEG among them, named relative to the run folder (stand-in device, the
// build folder as working directory).
#include <cmath>
#include <cstring>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "graphics/model_fixture.h"
#include "models/model_sizes.h"

using namespace makedata;

namespace {

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<ModelSpec> AllModels()
{
    std::vector<ModelSpec> models = {kWall, kSky, kCraft, kShot, kMissile, kEnemyShot, kBossBomb, kBoss};
    models.insert(models.end(), std::begin(kEnemies), std::end(kEnemies));
    return models;
}

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
    const size_t indexSize = desc.Format == D3DFMT_INDEX32 ? 4 : 2;
    const uint8_t* vertices = nullptr;
    const uint8_t* indices = nullptr;
    vertexBuffer->Lock(0, 0, (void**)&vertices, D3DLOCK_READONLY);
    indexBuffer->Lock(0, 0, (void**)&indices, D3DLOCK_READONLY);
    D3DXVECTOR3 corner[3];
    for (size_t i = 0; i < 3; ++i) {
        uint32_t index = 0;
        std::memcpy(&index, indices + i * indexSize, indexSize);
        std::memcpy(&corner[i], vertices + size_t(index) * D3DXGetFVFVertexSize(mesh->GetFVF()), 12);
    }
    vertexBuffer->Unlock();
    indexBuffer->Unlock();
    vertexBuffer->Release();
    indexBuffer->Release();
    centre = (corner[0] + corner[1] + corner[2]) / 3.0f;
    const D3DXVECTOR3 n = Cross(corner[1] - corner[0], corner[2] - corner[0]);
    normal = n / std::sqrt(n.x * n.x + n.y * n.y + n.z * n.z);
}

// The file names the texture loader was given since the call record was last cleared.
std::vector<std::string> TexturesAskedFor()
{
    std::vector<std::string> names;
    for (const std::string& call : fake::CallsStartingWith("D3DXCreateTextureFromFileA(\"")) {
        const size_t open = call.find('"'), close = call.rfind('"');
        names.push_back(call.substr(open + 1, close - open - 1));
    }
    return names;
}

using ModelFiles = ModelFixture;

TEST_F(ModelFiles, EveryModelLoadsMeasuresAndDrawsAsTheStageLoadsIt)
{
    ASSERT_EQ(AllModels().size(), 15u);  // the seven enemies each have their own file
    for (const ModelSpec& spec : AllModels()) {
        SCOPED_TRACE(spec.file);
        fake::ClearCalls();
        GameObject& model = Owner();
        const float scale = spec.scale;
        ASSERT_EQ(Load(model, spec.file, {}, {kLoadRotationX, 0, 0}, {scale, scale, scale}, spec.colour), 0);
        EXPECT_TRUE(fake::CallsStartingWith("MessageBoxA").empty());
        size_t textures = 0;
        for (DWORD i = 0; i < model.materialCount; ++i) textures += model.textures[i] != nullptr;
        EXPECT_EQ(textures, TexturesAskedFor().size()) << "a named texture failed to load";

        // The walls, the sky and the boss are never measured by the game; their radius is
        // still the one they are built to, at s 1.
        const float s = spec.sphereFactor > 0.0f ? spec.sphereFactor : 1.0f;
        ASSERT_EQ(ComputeBoundingSphere(&model, s), 0);
        EXPECT_NEAR(model.sphere.radius, spec.radius, 0.005f * spec.radius);
        EXPECT_FLOAT_EQ(model.radiusFactor, s * scale);

        // Each face drawn once, one subset per material.
        fake::ClearCalls();
        DrawModel(&model);
        const std::vector<std::string> draws = fake::CallsStartingWith("DrawIndexedPrimitive");
        EXPECT_EQ(draws.size(), model.materialCount);
        DWORD drawn = 0;
        for (const std::string& draw : draws) drawn += std::stoul(draw.substr(draw.rfind(' ') + 1));
        EXPECT_EQ(drawn, model.mesh->GetNumFaces());

        // A ray towards face 0 from outside the bounding sphere meets the mesh no later
        // than at that face.
        D3DXVECTOR3 centre, normal;
        FirstFace(model.mesh, centre, normal);
        const float away = 2.0f * model.sphere.radius + 1.0f;
        const D3DXVECTOR3 start = centre + normal * away, direction = -normal;
        BOOL hit = FALSE;
        float distance = 0.0f;
        EXPECT_EQ(D3DXIntersect(model.mesh, &start, &direction, &hit, nullptr, nullptr, nullptr, &distance, nullptr,
                                nullptr),
                  D3D_OK);
        EXPECT_TRUE(hit);
        EXPECT_LE(distance, away + 1e-3f);
    }
}

TEST_F(ModelFiles, TexturesAreNamedFromTheRunFolderInPngAndJpeg)
{
    std::set<std::string> named;
    for (const ModelSpec& spec : AllModels()) {
        fake::ClearCalls();
        ASSERT_EQ(Load(Owner(), spec.file, {}, {kLoadRotationX, 0, 0}, {1, 1, 1}, spec.colour), 0) << spec.file;
        for (const std::string& name : TexturesAskedFor()) named.insert(name);
    }
    int pngs = 0, jpegs = 0;
    for (const std::string& name : named) {
        EXPECT_EQ(name.rfind("DATA/XFILE/", 0), 0u) << name << " is not relative to the run folder";
        const std::string bytes = ReadFile(name).substr(0, 8);
        if (bytes == "\x89PNG\r\n\x1a\n")
            ++pngs;
        else if (bytes.compare(0, 3, "\xff\xd8\xff") == 0)
            ++jpegs;
        else
            ADD_FAILURE() << name << " is neither a PNG nor a JPEG";
    }
    EXPECT_GE(pngs, 1);
    EXPECT_GE(jpegs, 1);
    EXPECT_TRUE(named.count("DATA/XFILE/boss.jpg")) << "the binary model's texture was not asked for";
}

TEST(ModelFileEncodings, TheBossIsBinaryAndTheOthersText)
{
    for (const ModelSpec& spec : AllModels()) {
        const std::string header = ReadFile(spec.file).substr(0, 16);
        const bool binary = std::string(spec.file) == kBoss.file;
        EXPECT_EQ(header, binary ? "xof 0303bin 0032" : "xof 0303txt 0032") << spec.file;
    }
}

}  // namespace
