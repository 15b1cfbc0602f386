// The sprite stand-in and the loaders' calls in the record.
#include <gtest/gtest.h>

#include "d3dx9.h"
#include "fake/call_log.h"
#include "fake/fake.h"
#include "fake/fake_d3d9.h"
#include "fake/fake_sprite.h"

namespace {

class FakeSpriteTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        d3d_ = Direct3DCreate9(D3D_SDK_VERSION);
        D3DPRESENT_PARAMETERS params = {};
        ASSERT_EQ(d3d_->CreateDevice(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, nullptr,
                                     D3DCREATE_HARDWARE_VERTEXPROCESSING, &params, &device_),
                  D3D_OK);
    }

    void TearDown() override
    {
        if (sprite_) sprite_->Release();
        if (device_) device_->Release();
        if (d3d_) d3d_->Release();
    }

    fake::Installed installed_;
    IDirect3D9* d3d_ = nullptr;
    IDirect3DDevice9* device_ = nullptr;
    ID3DXSprite* sprite_ = nullptr;
};

TEST_F(FakeSpriteTest, DrawRecordsEveryArgument)
{
    ASSERT_EQ(D3DXCreateSprite(device_, &sprite_), S_OK);
    IDirect3DTexture9* sheet = nullptr;
    device_->CreateTexture(1024, 512, 1, 0, D3DFMT_A8R8G8B8, D3DPOOL_MANAGED, &sheet, nullptr);
    fake::NameTexture(sheet, "game");
    RECT source = {0, 64, 32, 96};
    D3DXVECTOR2 scaling(2.0f, 0.5f);
    D3DXVECTOR2 centre(0.0f, 0.0f);
    D3DXVECTOR2 position(100.0f, 412.5f);
    sprite_->Begin();
    sprite_->Draw(sheet, &source, &scaling, &centre, 0.0f, &position, 0x80FFFFFF);
    sprite_->Draw(sheet, nullptr, nullptr, nullptr, 1.5f, nullptr, 0xFFFFFFFF);
    sprite_->End();
    std::vector<std::string> last(fake::Calls().end() - 4, fake::Calls().end());
    EXPECT_EQ(last, (std::vector<std::string>{
                        "Sprite.Begin()",
                        "Sprite.Draw(game, {0, 64, 32, 96}, {2, 0.5}, {0, 0}, 0, {100, 412.5}, 0x80FFFFFF)",
                        "Sprite.Draw(game, null, null, null, 1.5, null, 0xFFFFFFFF)",
                        "Sprite.End()",
                    }));
    EXPECT_EQ(fake::Live().sprites, 1);
    sheet->Release();
}

TEST_F(FakeSpriteTest, BeginFailsInTheScriptedFramesOfThePresentCount)
{
    ASSERT_EQ(D3DXCreateSprite(device_, &sprite_), S_OK);
    fake::FailSpriteBegin({1});
    std::vector<bool> began;
    for (int frame = 0; frame < 3; ++frame) {
        began.push_back(SUCCEEDED(sprite_->Begin()));
        device_->Present(nullptr, nullptr, nullptr, nullptr);
    }
    EXPECT_EQ(began, (std::vector<bool>{true, false, true}));
}

TEST_F(FakeSpriteTest, ScriptedCreateFailureLeavesNoSprite)
{
    fake::FailSpriteCreate();
    EXPECT_TRUE(FAILED(D3DXCreateSprite(device_, &sprite_)));
    EXPECT_EQ(sprite_, nullptr);
    EXPECT_EQ(fake::Calls().back(), "D3DXCreateSprite(ptr)");
    EXPECT_EQ(fake::Live().sprites, 0);
}

TEST_F(FakeSpriteTest, ReleaseIsRecordedAndFrees)
{
    ASSERT_EQ(D3DXCreateSprite(device_, &sprite_), S_OK);
    sprite_->Release();
    sprite_ = nullptr;
    EXPECT_EQ(fake::Calls().back(), "Sprite.Release()");
    EXPECT_EQ(fake::Live().sprites, 0);
}

TEST_F(FakeSpriteTest, LoaderCallsJoinTheRecord)
{
    ID3DXMesh* mesh = nullptr;
    EXPECT_TRUE(FAILED(D3DXLoadMeshFromXA("none.x", D3DXMESH_SYSTEMMEM, device_, nullptr, nullptr, nullptr, nullptr,
                                          &mesh)));
    EXPECT_EQ(fake::Calls().back(), "D3DXLoadMeshFromXA(\"none.x\", SYSTEMMEM)");
    IDirect3DTexture9* texture = nullptr;
    EXPECT_TRUE(FAILED(D3DXCreateTextureFromFileExA(device_, "none.bmp", D3DX_DEFAULT, 512, 1, 0, D3DFMT_UNKNOWN,
                                                    D3DPOOL_MANAGED, D3DX_FILTER_NONE, D3DX_DEFAULT, 0xFF000000,
                                                    nullptr, nullptr, &texture)));
    EXPECT_EQ(fake::Calls().back(),
              "D3DXCreateTextureFromFileExA(\"none.bmp\", DEFAULT, 512, 1, 0, UNKNOWN, MANAGED, NONE, DEFAULT, "
              "0xFF000000)");
}

}  // namespace
