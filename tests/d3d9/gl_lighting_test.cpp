// Fixed-function lighting on the OpenGL device: one directional light in world space,
// material colours one to one, normals not renormalised, vertex colours as material.
#include <cmath>

#include "d3d9/gl_render_fixture.h"

namespace {

using render_test::GlRenderTest;
using render_test::Near;

struct LitVertex {
    float x, y, z;
    float nx, ny, nz;
};

struct LitColourVertex {
    float x, y, z;
    float nx, ny, nz;
    D3DCOLOR colour;
};

D3DCOLORVALUE Colour(float r, float g, float b, float a = 1.0f) { return {r, g, b, a}; }

D3DMATRIX Diagonal(float x, float y, float z)
{
    D3DMATRIX m = {};
    m._11 = x;
    m._22 = y;
    m._33 = z;
    m._44 = 1.0f;
    return m;
}

class GlLightingTest : public GlRenderTest {
protected:
    void SetUp() override
    {
        GlRenderTest::SetUp();
        if (IsSkipped()) return;
        device_->SetRenderState(D3DRS_CULLMODE, D3DCULL_NONE);
        device_->LightEnable(0, TRUE);
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
        D3DMATERIAL9 material = {diffuse, ambient, specular, emissive, power};
        ASSERT_EQ(device_->SetMaterial(&material), D3D_OK);
    }

    // A quad over the middle of the screen, every vertex with this normal; the centre pixel.
    uint32_t LitCentre(float nx, float ny, float nz)
    {
        const LitVertex quad[] = {{-0.5f, 0.5f, 0.5f, nx, ny, nz},
                                  {0.5f, 0.5f, 0.5f, nx, ny, nz},
                                  {0.5f, -0.5f, 0.5f, nx, ny, nz},
                                  {-0.5f, -0.5f, 0.5f, nx, ny, nz}};
        device_->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, 0xFF000000, 1.0f, 0);
        device_->SetFVF(D3DFVF_XYZ | D3DFVF_NORMAL);
        device_->BeginScene();
        EXPECT_EQ(device_->DrawPrimitiveUP(D3DPT_TRIANGLEFAN, 2, quad, sizeof(LitVertex)), D3D_OK);
        device_->EndScene();
        return Shot().At(320, 240);
    }
};

TEST_F(GlLightingTest, LightTravellingAlongMinusXLightsAFaceTurnedToPlusX)
{
    // Diffuse = material (0.5, 0.25, 1) x light (1, 1, 0.5) x cos 0 = (0.5, 0.25, 0.5).
    SetMaterial(Colour(0.5f, 0.25f, 1.0f));
    SetLight(-1, 0, 0, Colour(1.0f, 1.0f, 0.5f));
    EXPECT_TRUE(Near(LitCentre(1, 0, 0), 0x804080));
}

TEST_F(GlLightingTest, EdgeOnAndTurnedAwayFacesGetNoDiffuseLight)
{
    SetMaterial(Colour(1, 1, 1));
    SetLight(-1, 0, 0, Colour(1, 1, 1));
    EXPECT_TRUE(Near(LitCentre(0, 1, 0), 0x000000, 0));
    EXPECT_TRUE(Near(LitCentre(-1, 0, 0), 0x000000, 0));
    // At 45 degrees: cos 45 = 0.7071, 180 of 255.
    const float half = std::sqrt(0.5f);
    EXPECT_TRUE(Near(LitCentre(half, half, 0), 0xB4B4B4));
}

TEST_F(GlLightingTest, NormalsKeepTheLengthTheTransformGivesThem)
{
    SetMaterial(Colour(1, 1, 1));
    SetLight(-1, 0, 0, Colour(1, 1, 1));
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
    SetMaterial(Colour(1, 1, 1));
    SetLight(-1, 0, 0, Colour(1, 1, 1));
    EXPECT_TRUE(Near(LitCentre(1, 0, 0), 0xFFFFFF));
    EXPECT_TRUE(Near(LitCentre(0, 1, 0), 0x000000, 0));
}

TEST_F(GlLightingTest, EmissiveAndAmbientAddToTheDiffuseLight)
{
    SetMaterial(Colour(0, 0, 0.5f), Colour(0, 0.5f, 0), Colour(0.2f, 0, 0));
    SetLight(-1, 0, 0, Colour(1, 1, 1));
    // The global ambient starts at 0: the material's ambient colour shows nothing yet.
    EXPECT_TRUE(Near(LitCentre(1, 0, 0), 0x330080));
    device_->SetRenderState(D3DRS_AMBIENT, 0xFF808080);  // 0.5 x 0.502 = 64 of green
    EXPECT_TRUE(Near(LitCentre(1, 0, 0), 0x334080));
}

TEST_F(GlLightingTest, SpecularLightOnlyWhenEnabled)
{
    // Light straight at the face; the eye sits at the origin, so at a corner (0.5, 0.5, 0.5)
    // the half vector between the light and the eye leans from the normal: N.H =
    // (1 + 1/sqrt 3) / |(1/sqrt 3, 1/sqrt 3, 1 + 1/sqrt 3)| = 0.888, and 0.888^10 = 0.305.
    // Light is worked out at the corners, as Direct3D does, so the centre shows that too.
    SetMaterial(Colour(0, 0, 0), {}, {}, Colour(1, 1, 1), 10.0f);
    SetLight(0, 0, 1, Colour(0, 0, 0), Colour(1, 1, 1));
    EXPECT_TRUE(Near(LitCentre(0, 0, -1), 0x000000, 0));
    device_->SetRenderState(D3DRS_SPECULARENABLE, TRUE);
    const double e = 1.0 / std::sqrt(3.0);
    const double nDotH = (1.0 + e) / std::sqrt(2.0 * e * e + (1.0 + e) * (1.0 + e));
    const auto level = uint32_t(std::lround(std::pow(nDotH, 10.0) * 255.0));
    EXPECT_TRUE(Near(LitCentre(0, 0, -1), level * 0x010101u, 3));
}

TEST_F(GlLightingTest, VertexColourIsTheDiffuseMaterialUnlessColourVertexIsOff)
{
    SetMaterial(Colour(0, 0, 1));
    SetLight(-1, 0, 0, Colour(1, 1, 1));
    const D3DCOLOR red = 0xFFFF0000;
    const LitColourVertex quad[] = {{-0.5f, 0.5f, 0.5f, 1, 0, 0, red},
                                    {0.5f, 0.5f, 0.5f, 1, 0, 0, red},
                                    {0.5f, -0.5f, 0.5f, 1, 0, 0, red},
                                    {-0.5f, -0.5f, 0.5f, 1, 0, 0, red}};
    device_->SetFVF(D3DFVF_XYZ | D3DFVF_NORMAL | D3DFVF_DIFFUSE);
    for (BOOL colourVertex : {TRUE, FALSE}) {
        device_->SetRenderState(D3DRS_COLORVERTEX, colourVertex);
        device_->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, 0xFF000000, 1.0f, 0);
        device_->BeginScene();
        device_->DrawPrimitiveUP(D3DPT_TRIANGLEFAN, 2, quad, sizeof(LitColourVertex));
        device_->EndScene();
        EXPECT_TRUE(Near(Shot().At(320, 240), colourVertex ? 0xFF0000 : 0x0000FF, 0)) << colourVertex;
    }
    // The material itself is left as it was set.
    EXPECT_TRUE(Near(LitCentre(1, 0, 0), 0x0000FF, 0));
}

TEST_F(GlLightingTest, UnlitVerticesShowTheirColourOrWhite)
{
    device_->SetRenderState(D3DRS_LIGHTING, FALSE);
    SetMaterial(Colour(0, 0, 0));
    EXPECT_TRUE(Near(LitCentre(1, 0, 0), 0xFFFFFF, 0));
    struct ColourVertex {
        float x, y, z;
        D3DCOLOR colour;
    };
    const D3DCOLOR c = 0xFF123456;
    const ColourVertex quad[] = {{-0.5f, 0.5f, 0.5f, c}, {0.5f, 0.5f, 0.5f, c}, {0.5f, -0.5f, 0.5f, c},
                                 {-0.5f, -0.5f, 0.5f, c}};
    device_->SetFVF(D3DFVF_XYZ | D3DFVF_DIFFUSE);
    device_->BeginScene();
    device_->DrawPrimitiveUP(D3DPT_TRIANGLEFAN, 2, quad, sizeof(ColourVertex));
    device_->EndScene();
    EXPECT_TRUE(Near(Shot().At(320, 240), 0x123456, 0));
}

TEST_F(GlLightingTest, RefusesLightsItCannotDraw)
{
    D3DLIGHT9 light = {};
    light.Type = D3DLIGHT_POINT;
    light.Direction = {0, 0, 1};
    EXPECT_EQ(device_->SetLight(0, &light), D3DERR_INVALIDCALL);
    light.Type = D3DLIGHT_DIRECTIONAL;
    light.Direction = {0, 0, 0};
    EXPECT_EQ(device_->SetLight(0, &light), D3DERR_INVALIDCALL);
    light.Direction = {0, 0, 1};
    EXPECT_EQ(device_->SetLight(8, &light), D3DERR_INVALIDCALL);
    EXPECT_EQ(device_->LightEnable(8, TRUE), D3DERR_INVALIDCALL);
}

TEST_F(GlLightingTest, AnEnabledLightNeverSetShinesWhiteAlongPlusZ)
{
    SetMaterial(Colour(1, 1, 1));
    EXPECT_TRUE(Near(LitCentre(0, 0, -1), 0xFFFFFF));
    EXPECT_TRUE(Near(LitCentre(0, 0, 1), 0x000000, 0));
}

}  // namespace
