// The sprite on the real OpenGL device: cells land texel for texel where they are put,
// scaled cells keep their neighbours out, the colour multiplies, blend changes between
// draws take effect, and Begin and End give the device's states back.
#include <cmath>

#include "d3d9/gl_render_fixture.h"
#include "d3dx9.h"
#include "sprite_factory.h"

namespace {

using render_test::Near;

constexpr uint32_t kBackground = 0xFF323232;

// Every texel of the 64 by 32 sheet its own colour: red from x, green from y.
uint32_t SheetTexel(UINT x, UINT y) { return 0xFF000040u | ((x * 4) << 16) | ((y * 8) << 8); }

class SpriteTest : public render_test::GlRenderTest {
protected:
    void SetUp() override
    {
        GlRenderTest::SetUp();
        if (IsSkipped()) return;
        SetGameStates();
        ASSERT_EQ(D3DXCreateSprite(device_, &sprite_), D3D_OK);
        std::vector<uint32_t> texels(64 * 32);
        for (UINT i = 0; i < texels.size(); ++i) texels[i] = SheetTexel(i % 64, i / 64);
        sheet_ = MakeTexture(64, 32, texels.data());
        // A sheet of green with one red cell.
        std::vector<uint32_t> cell(32 * 32, 0xFF00FF00);
        for (UINT i = 0; i < cell.size(); ++i)
            if (i % 32 >= 8 && i % 32 < 16 && i / 32 >= 8 && i / 32 < 16) cell[i] = 0xFFFF0000;
        redCell_ = MakeTexture(32, 32, cell.data());
        ClearTo(kBackground);
        device_->BeginScene();
        ASSERT_EQ(sprite_->Begin(), D3D_OK);
    }

    void TearDown() override
    {
        for (IUnknown* object : {static_cast<IUnknown*>(sheet_), static_cast<IUnknown*>(redCell_),
                                 static_cast<IUnknown*>(sprite_)})
            if (object) object->Release();
        GlRenderTest::TearDown();
    }

    HRESULT Draw(IDirect3DTexture9* texture, const RECT* cell, float x, float y, D3DCOLOR colour = 0xFFFFFFFF,
                 D3DXVECTOR2 scale = {1, 1}, float rotation = 0.0f)
    {
        const D3DXVECTOR2 position(x, y), origin(0, 0);
        return sprite_->Draw(texture, cell, &scale, &origin, rotation, &position, colour);
    }

    d3d9::Picture EndAndShoot()
    {
        sprite_->End();
        device_->EndScene();
        return Shot();
    }

    ID3DXSprite* sprite_ = nullptr;
    IDirect3DTexture9* sheet_ = nullptr;
    IDirect3DTexture9* redCell_ = nullptr;
    const RECT redRect_ = {8, 8, 16, 16};
};

TEST_F(SpriteTest, ACellLandsTexelForTexelWithItsTopLeftOnThePosition)
{
    const RECT cell = {16, 8, 24, 16};
    ASSERT_EQ(Draw(sheet_, &cell, 100, 50), D3D_OK);
    ASSERT_EQ(sprite_->Draw(sheet_, nullptr, nullptr, nullptr, 0.0f, nullptr, 0xFFFFFFFF), D3D_OK);  // all, at 0, 0
    const d3d9::Picture picture = EndAndShoot();
    for (UINT j = 0; j < 8; ++j)
        for (UINT i = 0; i < 8; ++i) ASSERT_EQ(picture.At(100 + i, 50 + j), SheetTexel(16 + i, 8 + j)) << i << ", " << j;
    EXPECT_EQ(picture.At(99, 50), kBackground);
    EXPECT_EQ(picture.At(108, 50), kBackground);
    EXPECT_EQ(picture.At(100, 49), kBackground);
    EXPECT_EQ(picture.At(100, 58), kBackground);
    EXPECT_EQ(picture.At(63, 31), SheetTexel(63, 31));
    EXPECT_EQ(picture.At(64, 31), kBackground);
}

TEST_F(SpriteTest, ScaledAndTurnedCellsKeepTheirNeighboursOut)
{
    Draw(redCell_, &redRect_, 200, 100, 0xFFFFFFFF, {2, 2});
    Draw(redCell_, &redRect_, 300, 100, 0xFFFFFFFF, {1.3f, 1.3f});  // as the title's logo
    Draw(redCell_, &redRect_, 400, 100, 0xFFFFFFFF, {1, 1}, float(M_PI / 2));
    const d3d9::Picture picture = EndAndShoot();
    for (UINT j = 0; j < 16; ++j)
        for (UINT i = 0; i < 16; ++i) ASSERT_EQ(picture.At(200 + i, 100 + j), 0xFFFF0000u) << i << ", " << j;
    EXPECT_EQ(picture.At(216, 100), kBackground);
    // 8 texels at 1.3: 10.4 pixels from the left edge of pixel 300, over the centres of 300 to 309.
    for (UINT i = 0; i < 10; ++i) ASSERT_EQ(picture.At(300 + i, 105), 0xFFFF0000u) << i;
    EXPECT_EQ(picture.At(310, 105), kBackground);
    // A quarter turn about the top-left corner swings the cell to the left of it.
    EXPECT_EQ(picture.At(395, 103), 0xFFFF0000u);
    EXPECT_EQ(picture.At(403, 103), kBackground);
}

TEST_F(SpriteTest, TheColourMultipliesAndBlendChangesBetweenDrawsApply)
{
    Draw(redCell_, &redRect_, 0, 0, 0xFF808080);
    // The head-up display's frame: destination alpha (1) makes it add to what is there.
    device_->SetRenderState(D3DRS_DESTBLEND, D3DBLEND_DESTALPHA);
    Draw(redCell_, &redRect_, 20, 0, 0x7FFFFFFF);
    device_->SetRenderState(D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA);
    Draw(redCell_, &redRect_, 40, 0, 0x7FFFFFFF);
    const d3d9::Picture picture = EndAndShoot();
    EXPECT_TRUE(Near(picture.At(4, 4), 0x800000, 1));
    EXPECT_TRUE(Near(picture.At(24, 4), 0xB13232, 1));  // 127 + 50, 50, 50
    EXPECT_TRUE(Near(picture.At(44, 4), 0x981919, 1));  // 127 + 25, 25, 25
}

TEST_F(SpriteTest, BeginAndEndGiveTheDeviceStatesBack)
{
    sprite_->End();
    const uint32_t texel = 0xFFFFFFFF;
    IDirect3DTexture9* model = MakeTexture(1, 1, &texel);
    device_->SetTexture(0, model);
    device_->SetFVF(0x142);
    device_->SetRenderState(D3DRS_CULLMODE, D3DCULL_CW);
    device_->SetSamplerState(0, D3DSAMP_MINFILTER, D3DTEXF_LINEAR);
    device_->SetTextureStageState(0, D3DTSS_COLOROP, D3DTOP_SELECTARG2);
    // A depth buffer that would hide anything: the sprite draws regardless.
    device_->Clear(0, nullptr, D3DCLEAR_ZBUFFER, 0, 0.0f, 0);
    device_->SetRenderState(D3DRS_ZFUNC, D3DCMP_LESS);

    ASSERT_EQ(sprite_->Begin(), D3D_OK);
    DWORD value = 0;
    device_->GetRenderState(D3DRS_LIGHTING, &value);
    EXPECT_EQ(value, DWORD(FALSE));
    Draw(sheet_, nullptr, 0, 0);
    const d3d9::Picture picture = EndAndShoot();
    EXPECT_EQ(picture.At(5, 5), SheetTexel(5, 5));

    const std::pair<D3DRENDERSTATETYPE, DWORD> renderStates[] = {
        {D3DRS_LIGHTING, TRUE}, {D3DRS_ZENABLE, D3DZB_TRUE}, {D3DRS_CULLMODE, D3DCULL_CW},
        {D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA}};
    for (const auto& [state, expected] : renderStates) {
        device_->GetRenderState(state, &value);
        EXPECT_EQ(value, expected) << "render state " << state;
    }
    device_->GetFVF(&value);
    EXPECT_EQ(value, DWORD(0x142));
    device_->GetSamplerState(0, D3DSAMP_MINFILTER, &value);
    EXPECT_EQ(value, DWORD(D3DTEXF_LINEAR));
    device_->GetTextureStageState(0, D3DTSS_COLOROP, &value);
    EXPECT_EQ(value, DWORD(D3DTOP_SELECTARG2));
    IDirect3DBaseTexture9* bound = nullptr;
    device_->GetTexture(0, &bound);
    EXPECT_EQ(bound, model);
    bound->Release();
    device_->SetTexture(0, nullptr);
    EXPECT_EQ(model->Release(), 0u) << "the sprite keeps no reference to the texture it put back";
}

TEST_F(SpriteTest, MisuseFailsWithoutDrawing)
{
    EXPECT_EQ(sprite_->Begin(), D3DERR_INVALIDCALL);
    EXPECT_EQ(Draw(nullptr, nullptr, 0, 0), D3DERR_INVALIDCALL);
    const RECT empty = {0, 816, 0, 820};  // a loading bar of width 0
    EXPECT_EQ(Draw(sheet_, &empty, 0, 0), D3D_OK);
    device_->EndScene();
    EXPECT_TRUE(FAILED(Draw(sheet_, nullptr, 0, 0))) << "outside the device's scene nothing can be drawn";
    EXPECT_EQ(sprite_->End(), D3D_OK);
    DWORD fvf = 1;
    device_->GetFVF(&fvf);
    EXPECT_EQ(fvf, 0u) << "the new device's empty vertex format is given back too";
    EXPECT_EQ(sprite_->End(), D3DERR_INVALIDCALL);
    EXPECT_EQ(Draw(sheet_, nullptr, 0, 0), D3DERR_INVALIDCALL) << "outside Begin and End";
    EXPECT_EQ(Shot().At(0, 0), kBackground);
}

TEST(SpriteFactoryTest, AFactoryStandsInForTheRealSpriteUntilCleared)
{
    IDirect3DDevice9* asked = nullptr;
    auto* device = reinterpret_cast<IDirect3DDevice9*>(uintptr_t(0x1234));
    d3dx9::SetSpriteFactory([&asked](IDirect3DDevice9* d, ID3DXSprite**) {
        asked = d;
        return E_FAIL;
    });
    ID3DXSprite* sprite = nullptr;
    EXPECT_EQ(D3DXCreateSprite(device, &sprite), E_FAIL);
    EXPECT_EQ(asked, device);
    d3dx9::SetSpriteFactory({});
    EXPECT_EQ(D3DXCreateSprite(nullptr, &sprite), D3DERR_INVALIDCALL);  // the real one needs a device
    EXPECT_EQ(sprite, nullptr);
}

}  // namespace
