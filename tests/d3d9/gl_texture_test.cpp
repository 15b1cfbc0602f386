// Texture stage 0 and sampling on the OpenGL device: texels times the diffuse colour,
// colour-keyed holes, the stage operations, filters, and refreshed texture contents.
#include "d3d9/gl_render_fixture.h"

namespace {

using render_test::Near;

class GlTextureTest : public render_test::GlRenderTest {
protected:
    void SetUp() override
    {
        GlRenderTest::SetUp();
        if (IsSkipped()) return;
        SetGameStates();
        ClearTo(0xFF0000FF);
    }

    void Bind(IDirect3DTexture9* texture)
    {
        ASSERT_NE(texture, nullptr);
        device_->SetTexture(0, texture);
        texture->Release();  // the device holds it now
    }
};

TEST_F(GlTextureTest, ColourKeyedTexelsLetTheBackgroundThrough)
{
    // A 4 by 4 checker of red and colour-keyed holes (transparent black), each texel 10 by
    // 10 pixels on the screen.
    uint32_t texels[16];
    for (int i = 0; i < 16; ++i) texels[i] = ((i / 4 + i % 4) % 2 == 0) ? 0xFFFF0000 : 0x00000000;
    Bind(MakeTexture(4, 4, texels));
    DrawRect(100, 100, 40, 40);
    const d3d9::Picture picture = Shot();
    for (int row = 0; row < 4; ++row)
        for (int column = 0; column < 4; ++column)
            EXPECT_TRUE(Near(picture.At(105 + 10 * column, 105 + 10 * row),
                             (row + column) % 2 == 0 ? 0xFF0000 : 0x0000FF, 0))
                << row << ", " << column;
}

TEST_F(GlTextureTest, StageOperationsChooseAndMultiplyTheirArguments)
{
    const uint32_t texel = 0xFF00FFFF;
    Bind(MakeTexture(1, 1, &texel));
    ClearTo(0xFF000000);
    const std::pair<D3DTEXTUREOP, uint32_t> draws[] = {
        {D3DTOP_MODULATE, 0x008080},    // texel x colour 0xFF808080
        {D3DTOP_SELECTARG1, 0x00FFFF},  // the texel
        {D3DTOP_SELECTARG2, 0x808080},  // the colour
        {D3DTOP_ADD, 0x80FFFF},
        {D3DTOP_DISABLE, 0x808080},
    };
    float x = 0;
    for (const auto& [op, expected] : draws) {
        device_->SetTextureStageState(0, D3DTSS_COLOROP, op);
        DrawRect(x, 0, 10, 10, 0xFF808080);
        EXPECT_TRUE(Near(Shot().At(UINT(x) + 5, 5), expected, 1)) << op;
        x += 20;
    }
    device_->SetTextureStageState(0, D3DTSS_COLOROP, D3DTOP_MODULATE);
    DrawRect(100, 0, 10, 10, 0x80FFFFFF);  // alpha multiplies too: half over black
    device_->SetTexture(0, nullptr);
    DrawRect(120, 0, 10, 10, 0xFFFF00FF);  // no texture: the colour alone
    const d3d9::Picture picture = Shot();
    EXPECT_TRUE(Near(picture.At(105, 5), 0x008080, 1));
    EXPECT_TRUE(Near(picture.At(125, 5), 0xFF00FF, 0));
}

TEST_F(GlTextureTest, FiltersArePointUnlessAskedForLinear)
{
    const uint32_t texels[2] = {0xFF000000, 0xFFFFFFFF};
    Bind(MakeTexture(2, 1, texels));
    device_->SetSamplerState(0, D3DSAMP_ADDRESSU, D3DTADDRESS_CLAMP);
    DrawRect(0, 0, 100, 4);  // the device starts with point sampling
    device_->SetSamplerState(0, D3DSAMP_MINFILTER, D3DTEXF_LINEAR);
    device_->SetSamplerState(0, D3DSAMP_MAGFILTER, D3DTEXF_LINEAR);
    DrawRect(0, 10, 100, 4);
    const d3d9::Picture picture = Shot();
    EXPECT_TRUE(Near(picture.At(49, 1), 0x000000, 0));
    EXPECT_TRUE(Near(picture.At(50, 1), 0xFFFFFF, 0));
    // Pixel 50 lies just past halfway between the texel centres (pixels 25 and 75): grey.
    EXPECT_TRUE(Near(picture.At(50, 11), 0x828282, 4));
    EXPECT_TRUE(Near(picture.At(10, 11), 0x000000, 0));
}

TEST_F(GlTextureTest, NewTexelsShowAfterTheUnlockAndFormatsWithoutAlphaAreOpaque)
{
    const uint32_t red = 0x00FF0000;  // alpha bits zero, which X8R8G8B8 does not have
    IDirect3DTexture9* texture = MakeTexture(1, 1, &red, D3DFMT_X8R8G8B8);
    ASSERT_NE(texture, nullptr);
    device_->SetTexture(0, texture);
    DrawRect(0, 0, 10, 10);
    D3DLOCKED_RECT locked = {};
    ASSERT_EQ(texture->LockRect(0, &locked, nullptr, 0), D3D_OK);
    *static_cast<uint32_t*>(locked.pBits) = 0x00FFFF00;
    texture->UnlockRect(0);
    DrawRect(20, 0, 10, 10);
    const d3d9::Picture picture = Shot();
    EXPECT_TRUE(Near(picture.At(5, 5), 0xFF0000, 0));
    EXPECT_TRUE(Near(picture.At(25, 5), 0xFFFF00, 0));
    texture->Release();
}

}  // namespace
