// The sprite on the real OpenGL device: cells land texel for texel where they are put,
// scaled cells keep their neighbours out, the colour multiplies, blend changes between
// draws take effect, and Begin and End give the device's states back.
#include <cmath>

#include "d3d9/gl_render_fixture.h"
#include "d3dx9.h"
#include "sprite_factory.h"

namespace {

using render_test::GlRenderTest;
using render_test::Near;

constexpr uint32_t kBackground = 0xFF323232;

// Every texel of the 64 by 32 sheet its own colour: red from x, green from y.
uint32_t SheetTexel(UINT x, UINT y) { return 0xFF000040u | ((x * 4) << 16) | ((y * 8) << 8); }

class SpriteTest : public GlRenderTest {
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
        device_->SetRenderState(D3DRS_CULLMODE, D3DCULL_NONE);
        ASSERT_EQ(D3DXCreateSprite(device_, &sprite_), D3D_OK);
        std::vector<uint32_t> texels(64 * 32);
        for (UINT y = 0; y < 32; ++y)
            for (UINT x = 0; x < 64; ++x) texels[y * 64 + x] = SheetTexel(x, y);
        sheet_ = MakeTexture(64, 32, texels.data());
        ASSERT_NE(sheet_, nullptr);
        device_->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, kBackground, 1.0f, 0);
        device_->BeginScene();
    }

    void TearDown() override
    {
        if (sheet_) sheet_->Release();
        if (sprite_) sprite_->Release();
        GlRenderTest::TearDown();
    }

    d3d9::Picture EndAndShoot()
    {
        device_->EndScene();
        return Shot();
    }

    // A sheet of one colour with one cell of another.
    IDirect3DTexture9* CellSheet(uint32_t around, uint32_t cell, const RECT& rect)
    {
        std::vector<uint32_t> texels(32 * 32, around);
        for (LONG y = rect.top; y < rect.bottom; ++y)
            for (LONG x = rect.left; x < rect.right; ++x) texels[size_t(y) * 32 + x] = cell;
        return MakeTexture(32, 32, texels.data());
    }

    ID3DXSprite* sprite_ = nullptr;
    IDirect3DTexture9* sheet_ = nullptr;
};

TEST_F(SpriteTest, ACellLandsTexelForTexelWithItsTopLeftOnThePosition)
{
    const RECT cell = {16, 8, 24, 16};
    const D3DXVECTOR2 position(100, 50), one(1, 1), origin(0, 0);
    ASSERT_EQ(sprite_->Begin(), D3D_OK);
    ASSERT_EQ(sprite_->Draw(sheet_, &cell, &one, &origin, 0.0f, &position, 0xFFFFFFFF), D3D_OK);
    sprite_->End();
    const d3d9::Picture picture = EndAndShoot();
    for (UINT j = 0; j < 8; ++j)
        for (UINT i = 0; i < 8; ++i) ASSERT_EQ(picture.At(100 + i, 50 + j), SheetTexel(16 + i, 8 + j)) << i << ", " << j;
    EXPECT_EQ(picture.At(99, 50), kBackground);
    EXPECT_EQ(picture.At(108, 50), kBackground);
    EXPECT_EQ(picture.At(100, 49), kBackground);
    EXPECT_EQ(picture.At(100, 58), kBackground);
}

TEST_F(SpriteTest, WithoutARectTheWholeTextureIsDrawn)
{
    const D3DXVECTOR2 position(10, 20);
    sprite_->Begin();
    ASSERT_EQ(sprite_->Draw(sheet_, nullptr, nullptr, nullptr, 0.0f, &position, 0xFFFFFFFF), D3D_OK);
    sprite_->End();
    const d3d9::Picture picture = EndAndShoot();
    EXPECT_EQ(picture.At(10, 20), SheetTexel(0, 0));
    EXPECT_EQ(picture.At(73, 51), SheetTexel(63, 31));
    EXPECT_EQ(picture.At(74, 51), kBackground);
}

TEST_F(SpriteTest, ScaledCellsKeepTheirNeighboursOut)
{
    const RECT rect = {8, 8, 16, 16};
    IDirect3DTexture9* sheet = CellSheet(0xFF00FF00, 0xFFFF0000, rect);
    const D3DXVECTOR2 twice(2, 2), logo(1.3f, 1.3f), first(200, 100), second(300, 100);
    sprite_->Begin();
    sprite_->Draw(sheet, &rect, &twice, nullptr, 0.0f, &first, 0xFFFFFFFF);
    sprite_->Draw(sheet, &rect, &logo, nullptr, 0.0f, &second, 0xFFFFFFFF);
    sprite_->End();
    const d3d9::Picture picture = EndAndShoot();
    for (UINT j = 0; j < 16; ++j)
        for (UINT i = 0; i < 16; ++i) ASSERT_EQ(picture.At(200 + i, 100 + j), 0xFFFF0000u) << i << ", " << j;
    EXPECT_EQ(picture.At(216, 100), kBackground);
    // 8 texels at 1.3: 10.4 pixels from the left edge of pixel 300, which holds the
    // centres of pixels 300 to 309.
    for (UINT i = 0; i < 10; ++i) ASSERT_EQ(picture.At(300 + i, 105), 0xFFFF0000u) << i;
    EXPECT_EQ(picture.At(310, 105), kBackground);
    sheet->Release();
}

TEST_F(SpriteTest, TurnsAboutTheRotationCentre)
{
    const RECT rect = {8, 8, 16, 16};
    IDirect3DTexture9* sheet = CellSheet(0xFF00FF00, 0xFFFF0000, rect);
    const D3DXVECTOR2 position(300, 300);
    // A quarter turn about the top-left corner swings the cell to the left of it.
    sprite_->Begin();
    sprite_->Draw(sheet, &rect, nullptr, nullptr, float(M_PI / 2), &position, 0xFFFFFFFF);
    sprite_->End();
    const d3d9::Picture picture = EndAndShoot();
    EXPECT_EQ(picture.At(295, 303), 0xFFFF0000u);
    EXPECT_EQ(picture.At(303, 303), kBackground);
    EXPECT_EQ(picture.At(295, 297), kBackground);
    sheet->Release();
}

TEST_F(SpriteTest, TheColourMultipliesTexelsAndTheirAlpha)
{
    const RECT rect = {0, 0, 8, 8};
    IDirect3DTexture9* white = CellSheet(0xFFFFFFFF, 0xFFFFFFFF, rect);
    const D3DXVECTOR2 left(0, 0), right(20, 0);
    sprite_->Begin();
    sprite_->Draw(white, &rect, nullptr, nullptr, 0.0f, &left, 0xFF804020);
    sprite_->Draw(white, &rect, nullptr, nullptr, 0.0f, &right, 0x7FFFFFFF);  // half alpha over 0x32
    sprite_->End();
    const d3d9::Picture picture = EndAndShoot();
    EXPECT_TRUE(Near(picture.At(4, 4), 0x804020, 1));
    EXPECT_TRUE(Near(picture.At(24, 4), 0x989898, 1));  // 255 x 127/255 + 50 x 128/255
    white->Release();
}

TEST_F(SpriteTest, BlendFactorsChangedBetweenDrawsApplyToTheNextDraw)
{
    const RECT rect = {0, 0, 8, 8};
    IDirect3DTexture9* red = CellSheet(0xFFFF0000, 0xFFFF0000, rect);
    const D3DXVECTOR2 glow(0, 0), plain(20, 0);
    sprite_->Begin();
    // The head-up display's frame: destination alpha (1) makes it add to what is there.
    device_->SetRenderState(D3DRS_DESTBLEND, D3DBLEND_DESTALPHA);
    sprite_->Draw(red, &rect, nullptr, nullptr, 0.0f, &glow, 0x7FFFFFFF);
    device_->SetRenderState(D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA);
    sprite_->Draw(red, &rect, nullptr, nullptr, 0.0f, &plain, 0x7FFFFFFF);
    sprite_->End();
    const d3d9::Picture picture = EndAndShoot();
    EXPECT_TRUE(Near(picture.At(4, 4), 0xB13232, 1));   // 127 + 50, 0 + 50, 0 + 50
    EXPECT_TRUE(Near(picture.At(24, 4), 0x981919, 1));  // 127 + 25, 25, 25
    red->Release();
}

TEST_F(SpriteTest, DrawsOverWhateverTheDepthBufferHolds)
{
    device_->Clear(0, nullptr, D3DCLEAR_ZBUFFER, 0, 0.0f, 0);
    device_->SetRenderState(D3DRS_ZFUNC, D3DCMP_LESS);
    const RECT cell = {0, 0, 1, 1};
    const D3DXVECTOR2 position(5, 5);
    sprite_->Begin();
    sprite_->Draw(sheet_, &cell, nullptr, nullptr, 0.0f, &position, 0xFFFFFFFF);
    sprite_->End();
    EXPECT_EQ(EndAndShoot().At(5, 5), SheetTexel(0, 0));
}

TEST_F(SpriteTest, BeginAndEndGiveTheDeviceStatesBack)
{
    const uint32_t texel = 0xFFFFFFFF;
    IDirect3DTexture9* model = MakeTexture(1, 1, &texel);
    device_->SetTexture(0, model);
    device_->SetFVF(D3DFVF_XYZ | D3DFVF_DIFFUSE | D3DFVF_TEX1);
    device_->SetRenderState(D3DRS_CULLMODE, D3DCULL_CW);
    device_->SetSamplerState(0, D3DSAMP_MINFILTER, D3DTEXF_LINEAR);
    device_->SetSamplerState(0, D3DSAMP_MAGFILTER, D3DTEXF_LINEAR);
    device_->SetTextureStageState(0, D3DTSS_COLOROP, D3DTOP_SELECTARG2);

    ASSERT_EQ(sprite_->Begin(), D3D_OK);
    DWORD value = 0;
    device_->GetRenderState(D3DRS_LIGHTING, &value);
    EXPECT_EQ(value, DWORD(FALSE));
    device_->GetRenderState(D3DRS_ZENABLE, &value);
    EXPECT_EQ(value, DWORD(D3DZB_FALSE));
    const D3DXVECTOR2 position(0, 0);
    sprite_->Draw(sheet_, nullptr, nullptr, nullptr, 0.0f, &position, 0xFFFFFFFF);
    ASSERT_EQ(sprite_->End(), D3D_OK);

    const std::pair<D3DRENDERSTATETYPE, DWORD> renderStates[] = {
        {D3DRS_LIGHTING, TRUE}, {D3DRS_ZENABLE, D3DZB_TRUE}, {D3DRS_CULLMODE, D3DCULL_CW},
        {D3DRS_SRCBLEND, D3DBLEND_SRCALPHA}, {D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA}};
    for (const auto& [state, expected] : renderStates) {
        device_->GetRenderState(state, &value);
        EXPECT_EQ(value, expected) << "render state " << state;
    }
    device_->GetFVF(&value);
    EXPECT_EQ(value, DWORD(0x142));
    device_->GetSamplerState(0, D3DSAMP_MINFILTER, &value);
    EXPECT_EQ(value, DWORD(D3DTEXF_LINEAR));
    device_->GetSamplerState(0, D3DSAMP_ADDRESSU, &value);
    EXPECT_EQ(value, DWORD(D3DTADDRESS_WRAP));
    device_->GetTextureStageState(0, D3DTSS_COLOROP, &value);
    EXPECT_EQ(value, DWORD(D3DTOP_SELECTARG2));
    IDirect3DBaseTexture9* bound = nullptr;
    device_->GetTexture(0, &bound);
    EXPECT_EQ(bound, model);
    if (bound) bound->Release();
    device_->SetTexture(0, nullptr);
    EXPECT_EQ(model->Release(), 0u) << "the sprite holds no reference to the texture it put back";
}

TEST_F(SpriteTest, MisuseFailsWithoutDrawing)
{
    const D3DXVECTOR2 position(0, 0);
    EXPECT_EQ(sprite_->Draw(sheet_, nullptr, nullptr, nullptr, 0.0f, &position, 0xFFFFFFFF), D3DERR_INVALIDCALL);
    EXPECT_EQ(sprite_->End(), D3DERR_INVALIDCALL);
    ASSERT_EQ(sprite_->Begin(), D3D_OK);
    EXPECT_EQ(sprite_->Begin(), D3DERR_INVALIDCALL);
    EXPECT_EQ(sprite_->Draw(nullptr, nullptr, nullptr, nullptr, 0.0f, &position, 0xFFFFFFFF), D3DERR_INVALIDCALL);
    const RECT empty = {0, 816, 0, 820};  // a loading bar of width 0
    EXPECT_EQ(sprite_->Draw(sheet_, &empty, nullptr, nullptr, 0.0f, &position, 0xFFFFFFFF), D3D_OK);
    device_->EndScene();
    EXPECT_TRUE(FAILED(sprite_->Draw(sheet_, nullptr, nullptr, nullptr, 0.0f, &position, 0xFFFFFFFF)))
        << "outside the device's scene nothing can be drawn";
    EXPECT_EQ(sprite_->End(), D3D_OK);
    EXPECT_EQ(Shot().At(0, 0), kBackground);
    device_->BeginScene();
}

TEST(SpriteFactoryTest, AFactoryStandsInForTheRealSpriteUntilCleared)
{
    IDirect3DDevice9* asked = nullptr;
    auto* device = reinterpret_cast<IDirect3DDevice9*>(uintptr_t(0x1234));
    d3dx9::SetSpriteFactory([&asked](IDirect3DDevice9* d, ID3DXSprite** sprite) {
        asked = d;
        *sprite = nullptr;
        return E_FAIL;
    });
    ID3DXSprite* sprite = nullptr;
    EXPECT_EQ(D3DXCreateSprite(device, &sprite), E_FAIL);
    EXPECT_EQ(asked, device);
    d3dx9::SetSpriteFactory({});
    EXPECT_EQ(D3DXCreateSprite(nullptr, &sprite), D3DERR_INVALIDCALL);  // the real one needs a device
    EXPECT_EQ(sprite, nullptr);
    EXPECT_EQ(D3DXCreateSprite(device, nullptr), D3DERR_INVALIDCALL);
}

}  // namespace
