// Texture stage 0 and sampling on the OpenGL device: texels times the diffuse colour,
// colour-keyed holes, the stage operations, filters, and refreshed texture contents.
#include "d3d9/gl_render_fixture.h"

namespace {

using render_test::GlRenderTest;
using render_test::Near;

constexpr uint32_t kRed = 0xFFFF0000;
constexpr uint32_t kHole = 0x00000000;  // a colour-keyed texel: transparent black

class GlTextureTest : public GlRenderTest {
protected:
    void SetUp() override
    {
        GlRenderTest::SetUp();
        if (IsSkipped()) return;
        // The game's standing states.
        device_->SetRenderState(D3DRS_ALPHABLENDENABLE, TRUE);
        device_->SetRenderState(D3DRS_SRCBLEND, D3DBLEND_SRCALPHA);
        device_->SetRenderState(D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA);
        device_->SetTextureStageState(0, D3DTSS_ALPHAOP, D3DTOP_MODULATE);
        device_->SetTextureStageState(0, D3DTSS_ALPHAARG2, D3DTA_DIFFUSE);
        device_->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, 0xFF0000FF, 1.0f, 0);
    }

    // Draws the bound texture stretched over the given pixels, in its own scene.
    void Draw(float x, float y, float width, float height, D3DCOLOR colour = 0xFFFFFFFF)
    {
        device_->BeginScene();
        EXPECT_EQ(FillRect(x, y, width, height, colour), D3D_OK);
        device_->EndScene();
    }
};

TEST_F(GlTextureTest, ColourKeyedTexelsLetTheBackgroundThrough)
{
    // A 4 by 4 checker of red and holes, each texel 10 by 10 pixels on the screen.
    uint32_t texels[16];
    for (int i = 0; i < 16; ++i) texels[i] = ((i / 4 + i % 4) % 2 == 0) ? kRed : kHole;
    IDirect3DTexture9* texture = MakeTexture(4, 4, texels);
    ASSERT_NE(texture, nullptr);
    device_->SetTexture(0, texture);
    Draw(100, 100, 40, 40);
    const d3d9::Picture picture = Shot();
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 4; ++column) {
            const uint32_t expected = (row + column) % 2 == 0 ? 0xFF0000 : 0x0000FF;
            EXPECT_TRUE(Near(picture.At(105 + 10 * column, 105 + 10 * row), expected, 0)) << row << ", " << column;
        }
    }
    texture->Release();
}

TEST_F(GlTextureTest, TexelsAreMultipliedByTheDiffuseColourAndAlpha)
{
    const uint32_t white = 0xFFFFFFFF;
    IDirect3DTexture9* texture = MakeTexture(1, 1, &white);
    device_->SetTexture(0, texture);
    device_->Clear(0, nullptr, D3DCLEAR_TARGET, 0xFF000000, 1.0f, 0);
    Draw(0, 0, 10, 10, 0xFF808040);
    Draw(20, 0, 10, 10, 0x80FFFFFF);  // half alpha over black: half white
    const d3d9::Picture picture = Shot();
    EXPECT_TRUE(Near(picture.At(5, 5), 0x808040, 1));
    EXPECT_TRUE(Near(picture.At(25, 5), 0x808080, 1));
    texture->Release();
}

TEST_F(GlTextureTest, StageOperationsChooseTheirArguments)
{
    const uint32_t green = 0xFF00FF00;
    IDirect3DTexture9* texture = MakeTexture(1, 1, &green);
    device_->SetTexture(0, texture);
    device_->SetTextureStageState(0, D3DTSS_COLOROP, D3DTOP_SELECTARG1);
    Draw(0, 0, 10, 10, 0xFFFF0000);
    device_->SetTextureStageState(0, D3DTSS_COLOROP, D3DTOP_SELECTARG2);
    Draw(20, 0, 10, 10, 0xFFFF0000);
    device_->SetTextureStageState(0, D3DTSS_COLOROP, D3DTOP_ADD);
    Draw(40, 0, 10, 10, 0xFFFF0000);
    device_->SetTextureStageState(0, D3DTSS_COLOROP, D3DTOP_DISABLE);
    Draw(60, 0, 10, 10, 0xFFFFFF00);
    device_->SetTextureStageState(0, D3DTSS_COLOROP, D3DTOP_MODULATE);
    device_->SetTexture(0, nullptr);
    Draw(80, 0, 10, 10, 0xFF00FFFF);  // no texture: the colour alone
    const d3d9::Picture picture = Shot();
    EXPECT_TRUE(Near(picture.At(5, 5), 0x00FF00, 0));
    EXPECT_TRUE(Near(picture.At(25, 5), 0xFF0000, 0));
    EXPECT_TRUE(Near(picture.At(45, 5), 0xFFFF00, 0));
    EXPECT_TRUE(Near(picture.At(65, 5), 0xFFFF00, 0));
    EXPECT_TRUE(Near(picture.At(85, 5), 0x00FFFF, 0));
    texture->Release();
}

TEST_F(GlTextureTest, FiltersArePointUnlessAskedForLinear)
{
    const uint32_t texels[2] = {0xFF000000, 0xFFFFFFFF};
    IDirect3DTexture9* texture = MakeTexture(2, 1, texels);
    device_->SetTexture(0, texture);
    device_->SetSamplerState(0, D3DSAMP_ADDRESSU, D3DTADDRESS_CLAMP);
    Draw(0, 0, 100, 4);  // the device starts with point sampling
    device_->SetSamplerState(0, D3DSAMP_MINFILTER, D3DTEXF_LINEAR);
    device_->SetSamplerState(0, D3DSAMP_MAGFILTER, D3DTEXF_LINEAR);
    Draw(0, 10, 100, 4);
    const d3d9::Picture picture = Shot();
    EXPECT_TRUE(Near(picture.At(49, 1), 0x000000, 0));
    EXPECT_TRUE(Near(picture.At(50, 1), 0xFFFFFF, 0));
    // Halfway between the two texel centres (pixels 25 and 75): grey.
    EXPECT_TRUE(Near(picture.At(50, 11), 0x828282, 4));
    EXPECT_TRUE(Near(picture.At(10, 11), 0x000000, 0));
    texture->Release();
}

TEST_F(GlTextureTest, TexturesWithoutAlphaBitsAreOpaque)
{
    const uint32_t texel = 0x0000FF00;  // alpha bits zero, but the format has none
    IDirect3DTexture9* texture = MakeTexture(1, 1, &texel, D3DFMT_X8R8G8B8);
    device_->SetTexture(0, texture);
    Draw(0, 0, 10, 10);
    EXPECT_TRUE(Near(Shot().At(5, 5), 0x00FF00, 0));
    texture->Release();
}

TEST_F(GlTextureTest, NewTexelsShowAfterTheUnlock)
{
    IDirect3DTexture9* texture = MakeTexture(1, 1, &kRed);
    device_->SetTexture(0, texture);
    Draw(0, 0, 10, 10);
    D3DLOCKED_RECT locked = {};
    ASSERT_EQ(texture->LockRect(0, &locked, nullptr, 0), D3D_OK);
    *static_cast<uint32_t*>(locked.pBits) = 0xFFFFFF00;
    texture->UnlockRect(0);
    Draw(20, 0, 10, 10);
    const d3d9::Picture picture = Shot();
    EXPECT_TRUE(Near(picture.At(5, 5), 0xFF0000, 0));
    EXPECT_TRUE(Near(picture.At(25, 5), 0xFFFF00, 0));
    texture->Release();
}

TEST_F(GlTextureTest, ATextureOutlivesItsDevice)
{
    IDirect3DTexture9* texture = MakeTexture(1, 1, &kRed);
    device_->SetTexture(0, texture);
    Draw(0, 0, 10, 10);
    device_->Release();  // as the game's clean-up does: the device goes before the textures
    device_ = nullptr;
    // The device gave its reference back; the last release frees the texture and its
    // OpenGL copy, whose context has gone with the device.
    EXPECT_EQ(texture->Release(), 0u);
}

}  // namespace
