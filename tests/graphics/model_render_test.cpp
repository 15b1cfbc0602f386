// A loaded model drawn by DrawModel on the OpenGL device: lit by the object's colour.

#include <filesystem>
#include <fstream>

#include "d3d9/gl_render_fixture.h"
#include "d3dx9.h"
#include "d3dx9/xfile_samples.h"
#include "graphics/models.h"
#include "shell/startup.h"
#include "support/scratch_folder.h"

namespace {

// White, without a texture.
const char* kWhite = "MeshMaterialList { 1; 1; 0;; Material { 1.0;1.0;1.0;1.0;; 0.0; 0.0;0.0;0.0;; 0.0;0.0;0.0;; } }";
class ModelRenderTest : public render_test::GlRenderTest {
protected:
    void TearDown() override
    {
        if (model_.mesh) model_.mesh->Release();
        delete[] model_.materials;
        delete[] model_.textures;
        g_device = nullptr;
        GlRenderTest::TearDown();
    }

    GameObject model_;
    ScratchFolder scratch_{"veltrane-render-cube"};
    std::filesystem::path file_ = scratch_ / "cube.x";
};

}  // namespace

TEST_F(ModelRenderTest, TheFaceTowardsTheLightTakesTheObjectsColourTwice)
{
    std::ofstream(file_) << xsamples::PlainCube(kWhite);
    g_device = device_;
    SetupRenderStates();
    const D3DXVECTOR3 pos(0, 0, 0), rot(-90, 0, 0), scale(1, 1, 1);
    const float colour[4] = {1.0f, 0.5f, 0.25f, 1.0f};
    ASSERT_EQ(LoadModel(&model_, file_.c_str(), &pos, &rot, &scale, colour), 0);

    // Seen from (4, 0, -4): the face at x = +1 on the right of the picture, the one at
    // z = -1 on the left. The light travels along -x, so only the first is lit.
    D3DXMATRIX view;
    D3DXVECTOR3 eye(4, 0, -4), at(0, 0, 0), up(0, 1, 0);
    D3DXMatrixLookAtLH(&view, &eye, &at, &up);
    device_->SetTransform(D3DTS_VIEW, &view);
    device_->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, 0xFF203040, 1.0f, 0);
    ASSERT_EQ(device_->BeginScene(), D3D_OK);
    DrawModel(&model_);
    device_->EndScene();

    d3d9::Picture picture = Shot();
    // Light (1, 0.5, 0.25) times material diffuse (1, 0.5, 0.25), head on.
    EXPECT_TRUE(render_test::Near(picture.At(380, 240), 0xFFFF4010, 3));
    // No ambient light and no emissive colour: black, not the background.
    EXPECT_TRUE(render_test::Near(picture.At(260, 240), 0xFF000000, 3));
    EXPECT_TRUE(render_test::Near(picture.At(20, 20), 0xFF203040));
}
