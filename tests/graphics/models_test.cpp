// LoadModel, ComputeBoundingSphere and DrawModel on the fake device.
#include <unistd.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "d3dx9/xfile_samples.h"
#include "graphics/model_fixture.h"

namespace {

// Three materials for the cube: diffuse (0.2, 0.4, 0.6) with a texture in the working
// directory's pics folder, one naming a missing texture, and one with an empty name.
const char* kMaterials = R"(
 MeshMaterialList {
  3; 6; 0,0,1,1,2,2;;
  Material { 0.2;0.4;0.6;1.0;; 5.0; 0.1;0.1;0.1;; 0.0;0.0;0.3;; TextureFilename { "pics/hull.bmp"; } }
  Material { 1.0;1.0;1.0;0.5;; 0.0; 0.0;0.0;0.0;; 0.0;0.0;0.0;; TextureFilename { "pics/missing.png"; } }
  Material { 0.5;0.5;0.5;1.0;; 0.0; 0.0;0.0;0.0;; 0.0;0.0;0.0;; TextureFilename { ""; } }
 }
)";
// A 2 by 2 24-bit BMP.
std::vector<uint8_t> TinyBmp()
{
    std::vector<uint8_t> bmp = {'B', 'M', 70, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0, 40, 0, 0, 0, 2, 0, 0, 0, 2, 0,
                                0, 0, 1, 0, 24, 0, 0, 0, 0, 0, 16, 0, 0, 0};
    bmp.resize(54, 0);
    bmp.resize(70, 0x80);
    return bmp;
}

class ModelsTest : public ModelFixture {
protected:
    void SetUp() override
    {
        folder_ = std::filesystem::temp_directory_path() /
                  ("veltrane-models-" + std::to_string(getpid()) + "-" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(folder_ / "models" / "pics");
        std::filesystem::create_directories(folder_ / "pics");
        std::ofstream(folder_ / "models" / "cube.x") << xsamples::PlainCube(kMaterials);
        std::vector<uint8_t> bmp = TinyBmp();
        std::ofstream(folder_ / "pics" / "hull.bmp", std::ios::binary)
            .write(reinterpret_cast<const char*>(bmp.data()), bmp.size());
        // Beside the model only: a loader that looked there would find this one.
        std::ofstream(folder_ / "models" / "pics" / "missing.png") << "not a picture either";
        previous_ = std::filesystem::current_path();
        std::filesystem::current_path(folder_);
        ModelFixture::SetUp();
    }

    void TearDown() override
    {
        ModelFixture::TearDown();
        std::filesystem::current_path(previous_);
        std::filesystem::remove_all(folder_);
    }

    std::filesystem::path folder_, previous_;
};

D3DXVECTOR3 Transformed(const D3DMATRIX& m, float x, float y, float z)
{
    return {x * m._11 + y * m._21 + z * m._31 + m._41, x * m._12 + y * m._22 + z * m._32 + m._42,
            x * m._13 + y * m._23 + z * m._33 + m._43};
}

void ExpectNear(const D3DXVECTOR3& v, float x, float y, float z)
{
    EXPECT_NEAR(v.x, x, 1e-5f);
    EXPECT_NEAR(v.y, y, 1e-5f);
    EXPECT_NEAR(v.z, z, 1e-5f);
}

}  // namespace

TEST_F(ModelsTest, LoadModelCopiesTheStartValuesAndLightsAmbientLikeDiffuse)
{
    GameObject& model = Owner();
    const float colour[4] = {1.0f, 0.5f, 0.25f, 0.75f};
    ASSERT_EQ(Load(model, "models/cube.x", {1, 2, 3}, {-90, 0, 45}, {0.5f, 0.5f, 2}, colour), 0);
    EXPECT_EQ(model.pos, D3DXVECTOR3(1, 2, 3));
    EXPECT_EQ(model.rot, D3DXVECTOR3(-90, 0, 45));
    EXPECT_EQ(model.scale, D3DXVECTOR3(0.5f, 0.5f, 2));
    EXPECT_EQ(0, std::memcmp(model.colour, colour, sizeof colour));
    ASSERT_NE(model.mesh, nullptr);
    ASSERT_EQ(model.materialCount, 3u);

    const D3DMATERIAL9& first = model.materials[0];
    EXPECT_EQ(first.Diffuse.r, 0.2f);
    EXPECT_EQ(first.Ambient.r, 0.2f);
    EXPECT_EQ(first.Ambient.g, 0.4f);
    EXPECT_EQ(first.Ambient.b, 0.6f);
    EXPECT_EQ(first.Ambient.a, 1.0f);
    EXPECT_EQ(first.Emissive.b, 0.3f);
    EXPECT_EQ(model.materials[1].Ambient.a, 0.5f);

    // Texture names go to the loader as written, so they are found from the working
    // directory, not the model's folder; a missing or empty one leaves the slot null.
    EXPECT_NE(model.textures[0], nullptr);
    EXPECT_EQ(model.textures[1], nullptr);
    EXPECT_EQ(model.textures[2], nullptr);
    EXPECT_EQ(fake::CallsStartingWith("D3DX"),
              (std::vector<std::string>{"D3DXLoadMeshFromXA(\"models/cube.x\", SYSTEMMEM)",
                                        "D3DXCreateTextureFromFileA(\"pics/hull.bmp\")",
                                        "D3DXCreateTextureFromFileA(\"pics/missing.png\")"}));
    EXPECT_TRUE(fake::CallsStartingWith("MessageBoxA").empty());
}

TEST_F(ModelsTest, AMissingFileIsReportedAndLeavesNothingToMeasureOrDraw)
{
    GameObject& model = Owner();
    const float colour[4] = {1, 1, 1, 1};
    EXPECT_EQ(Load(model, "./DATA/XFILE/nothere.x", {0, 0, 0}, {-90, 0, 0}, {1, 1, 1}, colour), E_FAIL);
    const std::string box = "MessageBoxA(null, \"Xファイルの読み込みに失敗しました\", \"./DATA/XFILE/nothere.x\", OK)";
    EXPECT_EQ(fake::CallsStartingWith("MessageBoxA"), std::vector<std::string>{box});
    EXPECT_EQ(model.mesh, nullptr);
    EXPECT_EQ(model.materials, nullptr);
    EXPECT_EQ(model.textures, nullptr);
    EXPECT_EQ(model.materialCount, 0u);

    EXPECT_EQ(ComputeBoundingSphere(&model, 1.0f), E_FAIL);
    EXPECT_EQ(model.sphere.radius, 0.0f);
    EXPECT_EQ(model.radiusFactor, 0.0f);
    EXPECT_EQ(model.sphereMesh, nullptr);

    fake::ClearCalls();
    DrawModel(&model);
    EXPECT_TRUE(fake::CallsStartingWith("DrawIndexedPrimitive").empty());
    EXPECT_TRUE(fake::CallsStartingWith("SetMaterial").empty());
}

TEST_F(ModelsTest, BoundingSphereAndRadiusFactors)
{
    const float white[4] = {1, 1, 1, 1};
    GameObject& craft = Owner();
    GameObject& template3 = Owner();
    ASSERT_EQ(Load(craft, "models/cube.x", {0, -10.8f, 0}, {-90, 0, 0}, {0.5f, 0.5f, 0.5f}, white), 0);
    ASSERT_EQ(Load(template3, "models/cube.x", {0, 0, 0}, {-90, 0, 0}, {1, 1, 1}, white), 0);
    EXPECT_EQ(ComputeBoundingSphere(&craft, 0.5f), 0);
    EXPECT_EQ(ComputeBoundingSphere(&template3, 0.8f), 0);
    EXPECT_FLOAT_EQ(craft.radiusFactor, 0.25f);
    EXPECT_FLOAT_EQ(template3.radiusFactor, 0.8f);

    // Model space: the cube's corners are sqrt(3) from its centre.
    ExpectNear(craft.sphere.centre, 0, 0, 0);
    EXPECT_FLOAT_EQ(craft.sphere.radius, std::sqrt(3.0f));

    // The sphere mesh has the bounding radius times s: 24 slices, 24 stacks.
    ASSERT_NE(craft.sphereMesh, nullptr);
    EXPECT_EQ(craft.sphereMesh->GetNumVertices(), 2u + 23 * 24);
    IDirect3DVertexBuffer9* vertices = nullptr;
    craft.sphereMesh->GetVertexBuffer(&vertices);
    const D3DXVECTOR3* top = nullptr;
    vertices->Lock(0, 0, (void**)&top, D3DLOCK_READONLY);
    EXPECT_FLOAT_EQ(top->z, std::sqrt(3.0f) * 0.5f);
    vertices->Unlock();
    vertices->Release();

    const D3DMATERIAL9& m = *craft.sphereMaterial;
    EXPECT_EQ(m.Diffuse.a, 0.5f);
    EXPECT_EQ(m.Ambient.a, 0.5f);
    EXPECT_EQ(m.Ambient.r, 1.0f);
    EXPECT_EQ(m.Specular.g, 1.0f);
    EXPECT_EQ(m.Emissive.b, 0.1f);
    EXPECT_EQ(m.Power, 120.0f);
}

TEST_F(ModelsTest, DrawModelScalesThenTurnsThenMoves)
{
    GameObject& craft = Owner();
    const float colour[4] = {0.5f, 0.25f, 1.0f, 0.4f};
    ASSERT_EQ(Load(craft, "models/cube.x", {0, -10.8f, 0}, {-90, 0, 0}, {0.5f, 0.5f, 0.5f}, colour), 0);
    fake::ClearCalls();
    DrawModel(&craft);

    // Model +z becomes world up and model +y points at the viewer (-z), at half size,
    // around the craft's position.
    D3DMATRIX world = fake::Device().Transform(D3DTS_WORLD);
    ExpectNear(Transformed(world, 0, 0, 0), 0, -10.8f, 0);
    ExpectNear(Transformed(world, 0, 0, 1), 0, -10.3f, 0);
    ExpectNear(Transformed(world, 0, 1, 0), 0, -10.8f, -0.5f);
    ExpectNear(Transformed(world, 1, 0, 0), 0.5f, -10.8f, 0);

    // 60 degrees of view, 4:3, depth from 1 to 1000.
    D3DMATRIX projection = fake::Device().Transform(D3DTS_PROJECTION);
    EXPECT_NEAR(projection._22, 1.7320508f, 1e-5f);
    EXPECT_NEAR(projection._11, 1.7320508f * 0.75f, 1e-5f);
    EXPECT_NEAR(projection._33, 1000.0f / 999.0f, 1e-5f);
    EXPECT_NEAR(projection._43, -1000.0f / 999.0f, 1e-5f);
    EXPECT_EQ(projection._34, 1.0f);

    // One white-less light in the object's colour, then each subset with that colour.
    EXPECT_EQ(std::vector<std::string>(fake::Calls().begin(), fake::Calls().begin() + 4),
              (std::vector<std::string>{"SetTransform(WORLD)", "SetTransform(PROJECTION)",
                                        "SetLight(0, DIRECTIONAL, {0.5, 0.25, 1, 0}, {-1, 0, 0})",
                                        "LightEnable(0, TRUE)"}));
    EXPECT_EQ(fake::CallsStartingWith("SetMaterial"),
              (std::vector<std::string>{"SetMaterial({0.5, 0.25, 1, 0.4}, {0.2, 0.4, 0.6, 1}, 120)",
                                        "SetMaterial({0.5, 0.25, 1, 0.4}, {1, 1, 1, 0.5}, 120)",
                                        "SetMaterial({0.5, 0.25, 1, 0.4}, {0.5, 0.5, 0.5, 1}, 120)"}));
    EXPECT_EQ(fake::CallsStartingWith("SetTexture"),
              (std::vector<std::string>{"SetTexture(0, " + fake::TextureLabel(craft.textures[0]) + ")",
                                        "SetTexture(0, null)", "SetTexture(0, null)"}));
    EXPECT_EQ(fake::CallsStartingWith("DrawIndexedPrimitive"),
              (std::vector<std::string>{"DrawIndexedPrimitive(TRIANGLELIST, 0, 0, 24, 0, 4)",
                                        "DrawIndexedPrimitive(TRIANGLELIST, 0, 0, 24, 12, 4)",
                                        "DrawIndexedPrimitive(TRIANGLELIST, 0, 0, 24, 24, 4)"}));
    // Nothing is restored: the last subset's material and texture stay set.
    EXPECT_EQ(fake::Device().material.Ambient.r, 0.5f);
    EXPECT_EQ(fake::Device().Texture(0), "null");
}

TEST_F(ModelsTest, CopiesOfOneTemplateDrawInTheirOwnColours)
{
    GameObject& enemyTemplate = Owner();
    const float white[4] = {1, 1, 1, 1};
    ASSERT_EQ(Load(enemyTemplate, "models/cube.x", {0, 0, 0}, {-90, 0, 0}, {1, 1, 1}, white), 0);
    GameObject red, blue;
    std::memcpy(static_cast<void*>(&red), &enemyTemplate, sizeof(GameObject));
    std::memcpy(static_cast<void*>(&blue), &enemyTemplate, sizeof(GameObject));
    red.colour[1] = red.colour[2] = 0.0f;
    blue.colour[0] = blue.colour[1] = 0.0f;
    blue.pos.x = 5.0f;

    fake::ClearCalls();
    DrawModel(&red);
    DrawModel(&blue);
    std::vector<std::string> materials = fake::CallsStartingWith("SetMaterial");
    ASSERT_EQ(materials.size(), 6u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(materials[i].rfind("SetMaterial({1, 0, 0, 1}", 0), 0u) << materials[i];
        EXPECT_EQ(materials[3 + i].rfind("SetMaterial({0, 0, 1, 1}", 0), 0u) << materials[3 + i];
    }
    std::vector<std::string> lights = fake::CallsStartingWith("SetLight");
    EXPECT_EQ(lights, (std::vector<std::string>{"SetLight(0, DIRECTIONAL, {1, 0, 0, 0}, {-1, 0, 0})",
                                                "SetLight(0, DIRECTIONAL, {0, 0, 1, 0}, {-1, 0, 0})"}));
    // They share the template's array, which keeps the colour drawn last.
    EXPECT_EQ(red.materials, enemyTemplate.materials);
    EXPECT_EQ(enemyTemplate.materials[0].Diffuse.b, 1.0f);
    EXPECT_EQ(enemyTemplate.materials[0].Diffuse.r, 0.0f);
}
