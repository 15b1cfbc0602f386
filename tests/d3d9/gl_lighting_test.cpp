// Fixed-function lighting on the OpenGL device: one directional light in world space,
// material colours one to one, normals not renormalised, vertex colours as material.
#include <cmath>

#include "d3d9/gl_render_fixture.h"

namespace {

using render_test::Near;

struct LitVertex {
    float x, y, z;
    float nx, ny, nz;
    D3DCOLOR colour;  // read only where the format says so
};

D3DMATRIX Diagonal(float x, float y, float z)
{
    D3DMATRIX m = {};
    m._11 = x, m._22 = y, m._33 = z, m._44 = 1.0f;
    return m;
}

class GlLightingTest : public render_test::GlRenderTest {
protected:
    void SetUp() override
    {
        GlRenderTest::SetUp();
        if (IsSkipped()) return;
        device_->SetRenderState(D3DRS_CULLMODE, D3DCULL_NONE);
        device_->LightEnable(0, TRUE);
        SetMaterial({1, 1, 1, 1});
        SetLight(-1, 0, 0, {1, 1, 1, 0});
    }

    void SetLight(float dx, float dy, float dz, D3DCOLORVALUE diffuse, D3DCOLORVALUE specular = {})
    {
        D3DLIGHT9 light = {};
        light.Type = D3DLIGHT_DIRECTIONAL;
        light.Diffuse = diffuse;
        light.Specular = specular;
        light.Direction = {dx, dy, dz};
        ASSERT_EQ(device_->SetLight(0, &light), D3D_OK);
    }

    void SetMaterial(D3DCOLORVALUE diffuse, D3DCOLORVALUE ambient = {}, D3DCOLORVALUE emissive = {},
                     D3DCOLORVALUE specular = {}, float power = 0.0f)
    {
        const D3DMATERIAL9 material = {diffuse, ambient, specular, emissive, power};
        ASSERT_EQ(device_->SetMaterial(&material), D3D_OK);
    }

    // A quad over the middle of the screen, every vertex with this normal (and colour when
    // the format has one); the centre pixel.
    uint32_t LitCentre(float nx, float ny, float nz, DWORD fvf = D3DFVF_XYZ | D3DFVF_NORMAL, D3DCOLOR colour = 0)
    {
        const LitVertex quad[] = {{-0.5f, 0.5f, 0.5f, nx, ny, nz, colour},
                                  {0.5f, 0.5f, 0.5f, nx, ny, nz, colour},
                                  {0.5f, -0.5f, 0.5f, nx, ny, nz, colour},
                                  {-0.5f, -0.5f, 0.5f, nx, ny, nz, colour}};
        ClearTo(0xFF000000);
        device_->SetFVF(fvf);
        device_->BeginScene();
        EXPECT_EQ(device_->DrawPrimitiveUP(D3DPT_TRIANGLEFAN, 2, quad, sizeof(LitVertex)), D3D_OK);
        device_->EndScene();
        return Shot().At(320, 240);
    }
};

TEST_F(GlLightingTest, BrightnessFollowsTheLightDirectionAndTheMaterial)
{
    // Light travelling along -x onto a face turned to +x: material (0.5, 0.25, 1) x light
    // (1, 1, 0.5) = (0.5, 0.25, 0.5).
    SetMaterial({0.5f, 0.25f, 1.0f, 1.0f});
    SetLight(-1, 0, 0, {1.0f, 1.0f, 0.5f, 0.0f});
    EXPECT_TRUE(Near(LitCentre(1, 0, 0), 0x804080));
    SetMaterial({1, 1, 1, 1});
    SetLight(-1, 0, 0, {1, 1, 1, 0});
    EXPECT_TRUE(Near(LitCentre(0, 1, 0), 0x000000, 0)) << "edge-on";
    EXPECT_TRUE(Near(LitCentre(-1, 0, 0), 0x000000, 0)) << "turned away";
    const float half = std::sqrt(0.5f);
    EXPECT_TRUE(Near(LitCentre(half, half, 0), 0xB4B4B4)) << "cos 45 = 0.7071: 180 of 255";
}

TEST_F(GlLightingTest, NormalsKeepTheLengthTheTransformGivesThem)
{
    EXPECT_TRUE(Near(LitCentre(0.5f, 0, 0), 0x808080)) << "a short normal gives less light";
    // Scaling the model by 2 shrinks its normals to half (inverse transpose): half the light,
    // as a large model like the sky gets almost none.
    const D3DMATRIX twice = Diagonal(2, 2, 2);
    device_->SetTransform(D3DTS_WORLD, &twice);
    EXPECT_TRUE(Near(LitCentre(1, 0, 0), 0x808080));
    device_->SetRenderState(D3DRS_NORMALIZENORMALS, TRUE);
    EXPECT_TRUE(Near(LitCentre(1, 0, 0), 0xFFFFFF));
}

TEST_F(GlLightingTest, TheLightStaysInWorldSpaceWhenTheViewTurns)
{
    // A view turned 90 degrees about z turns the face's normal and the light alike.
    D3DMATRIX view = Diagonal(0, 0, 1);
    view._12 = 1.0f;
    view._21 = -1.0f;
    device_->SetTransform(D3DTS_VIEW, &view);
    EXPECT_TRUE(Near(LitCentre(1, 0, 0), 0xFFFFFF));
    EXPECT_TRUE(Near(LitCentre(0, 1, 0), 0x000000, 0));
}

TEST_F(GlLightingTest, EmissiveAmbientAndSpecularAddToTheDiffuseLight)
{
    SetMaterial({0, 0, 0.5f, 1}, {0, 0.5f, 0, 1}, {0.2f, 0, 0, 1});
    // The global ambient starts at 0: the material's ambient colour shows nothing yet.
    EXPECT_TRUE(Near(LitCentre(1, 0, 0), 0x330080));
    device_->SetRenderState(D3DRS_AMBIENT, 0xFF808080);  // 0.5 x 0.502 = 64 of green
    EXPECT_TRUE(Near(LitCentre(1, 0, 0), 0x334080));

    // Specular light, straight at the face, is worked out at the corners as in Direct3D:
    // with the eye at the origin and a corner at (0.5, 0.5, 0.5) the half vector gives
    // N.H = (1 + 1/sqrt 3) / |(1/sqrt 3, 1/sqrt 3, 1 + 1/sqrt 3)| = 0.888, 0.888^10 = 0.305.
    device_->SetRenderState(D3DRS_AMBIENT, 0);
    SetMaterial({0, 0, 0, 1}, {}, {}, {1, 1, 1, 1}, 10.0f);
    SetLight(0, 0, 1, {0, 0, 0, 0}, {1, 1, 1, 0});
    EXPECT_TRUE(Near(LitCentre(0, 0, -1), 0x000000, 0)) << "specular is off until enabled";
    device_->SetRenderState(D3DRS_SPECULARENABLE, TRUE);
    const double e = 1.0 / std::sqrt(3.0);
    const double nDotH = (1.0 + e) / std::sqrt(2.0 * e * e + (1.0 + e) * (1.0 + e));
    const auto level = uint32_t(std::lround(std::pow(nDotH, 10.0) * 255.0));
    EXPECT_TRUE(Near(LitCentre(0, 0, -1), level * 0x010101u, 3));
}

// Direct3D adds the specular light after texturing: a black texture darkens the lit colour
// but not the highlight. With specular off, nothing is added.
TEST_F(GlLightingTest, SpecularLightAddsAfterTheTexture)
{
    const uint32_t black = 0xFF000000;
    IDirect3DTexture9* texture = MakeTexture(1, 1, &black);
    ASSERT_NE(texture, nullptr);
    device_->SetTexture(0, texture);
    SetMaterial({1, 1, 1, 1}, {}, {}, {1, 1, 1, 1}, 10.0f);
    SetLight(0, 0, 1, {1, 1, 1, 0}, {1, 1, 1, 0});
    EXPECT_TRUE(Near(LitCentre(0, 0, -1), 0x000000, 0)) << "the texture takes the diffuse light";
    device_->SetRenderState(D3DRS_SPECULARENABLE, TRUE);
    EXPECT_GT(LitCentre(0, 0, -1) & 0xFF, 64u) << "the highlight shows on the black texture";
    device_->SetRenderState(D3DRS_SPECULARENABLE, FALSE);
    EXPECT_TRUE(Near(LitCentre(0, 0, -1), 0x000000, 0));
    device_->SetTexture(0, nullptr);
    texture->Release();
}

TEST_F(GlLightingTest, VertexColourIsTheDiffuseMaterialWhileLitAndTheColourUnlit)
{
    SetMaterial({0, 0, 1, 1});
    const DWORD coloured = D3DFVF_XYZ | D3DFVF_NORMAL | D3DFVF_DIFFUSE;
    EXPECT_TRUE(Near(LitCentre(1, 0, 0, coloured, 0xFFFF0000), 0xFF0000, 0));
    device_->SetRenderState(D3DRS_COLORVERTEX, FALSE);
    EXPECT_TRUE(Near(LitCentre(1, 0, 0, coloured, 0xFFFF0000), 0x0000FF, 0));
    device_->SetRenderState(D3DRS_COLORVERTEX, TRUE);
    EXPECT_TRUE(Near(LitCentre(1, 0, 0), 0x0000FF, 0)) << "the material itself is left as it was set";
    device_->SetRenderState(D3DRS_LIGHTING, FALSE);
    EXPECT_TRUE(Near(LitCentre(-1, 0, 0, coloured, 0xFF123456), 0x123456, 0));
    EXPECT_TRUE(Near(LitCentre(-1, 0, 0), 0xFFFFFF, 0)) << "unlit without a colour: white";
}

}  // namespace
