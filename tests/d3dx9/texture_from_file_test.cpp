// Textures from files: what the load observer hears, the colour key, the texture sizes, the
// picture format found by content, and failures that leave no texture behind.
#include <gtest/gtest.h>
#include <png.h>

#include <algorithm>
#include <filesystem>

#include "d3dx9.h"
#include "d3dx9/picture_files.h"
#include "d3dx9/stand_in_device.h"
#include "fake/call_log.h"
#include "shell/startup.h"

namespace {

class TextureFromFile : public ::testing::Test {
protected:
    void TearDown() override { EXPECT_EQ(fake::Live().textures, 0); }

    // 3 by 2: black, near-black, red on top; white, black, blue below.
    static std::string SheetFile()
    {
        return WriteTempFile("sheet.bmp", MakeBmp(BmpSpec{.width = 3,
                                                          .height = 2,
                                                          .data = Bgr24Rows(3, {{0x000000, 0x010000, 0xFF0000},
                                                                                {0xFFFFFF, 0x000000, 0x0000FF}})}));
    }

    HRESULT Load(const std::string& file, UINT width, UINT height, D3DCOLOR key, D3DXIMAGE_INFO* info = nullptr)
    {
        return D3DXCreateTextureFromFileExA(device_.Get(), file.c_str(), width, height, 1, 0, D3DFMT_UNKNOWN,
                                            D3DPOOL_MANAGED, D3DX_FILTER_NONE, D3DX_DEFAULT, key, info, nullptr,
                                            &texture_);
    }

    // Reads back the texture through a lock, as a drawing device would.
    std::vector<uint32_t> Texels(UINT* width = nullptr, UINT* height = nullptr)
    {
        D3DSURFACE_DESC desc;
        EXPECT_EQ(texture_->GetLevelDesc(0, &desc), D3D_OK);
        EXPECT_EQ(desc.Format, D3DFMT_A8R8G8B8);
        if (width) *width = desc.Width;
        if (height) *height = desc.Height;
        D3DLOCKED_RECT locked;
        EXPECT_EQ(texture_->LockRect(0, &locked, nullptr, D3DLOCK_READONLY), D3D_OK);
        std::vector<uint32_t> texels;
        for (UINT y = 0; y < desc.Height; ++y) {
            auto* row = reinterpret_cast<const uint32_t*>(static_cast<uint8_t*>(locked.pBits) + y * locked.Pitch);
            texels.insert(texels.end(), row, row + desc.Width);
        }
        texture_->UnlockRect(0);
        texture_->Release();
        texture_ = nullptr;
        return texels;
    }

    static size_t TexturesMade() { return fake::CallsStartingWith("CreateTexture(").size(); }

    StandInDevice device_;
    IDirect3DTexture9* texture_ = nullptr;
};

}  // namespace

TEST_F(TextureFromFile, RecordHoldsEachCallWithItsArgumentsByName)
{
    std::string sheet = SheetFile();
    fake::ClearCalls();
    ASSERT_EQ(Load(sheet, 640, 480, 0xFF000000), D3D_OK);
    texture_->Release();
    ASSERT_EQ(D3DXCreateTextureFromFileA(device_.Get(), sheet.c_str(), &texture_), D3D_OK);
    texture_->Release();
    EXPECT_EQ(Load("./DATA/pic/none.bmp", D3DX_DEFAULT, D3DX_DEFAULT, 0), D3DERR_NOTAVAILABLE);
    std::vector<std::string> loads = fake::CallsStartingWith("D3DX");
    ASSERT_EQ(loads.size(), 3u);
    EXPECT_EQ(loads[0], "D3DXCreateTextureFromFileExA(\"" + sheet +
                            "\", 640, 480, 1, 0, UNKNOWN, MANAGED, NONE, DEFAULT, 0xFF000000)");
    EXPECT_EQ(loads[1], "D3DXCreateTextureFromFileA(\"" + sheet + "\")");
    EXPECT_EQ(loads[2], "D3DXCreateTextureFromFileExA(\"./DATA/pic/none.bmp\", DEFAULT, DEFAULT, 1, 0, UNKNOWN, "
                        "MANAGED, NONE, DEFAULT, 0x0)");
    // The load comes first, then the texture it makes: the asked size, one level, 32-bit ARGB.
    EXPECT_EQ(fake::Calls()[0], loads[0]);
    EXPECT_EQ(fake::Calls()[1], "CreateTexture(640, 480, 1, 0, A8R8G8B8, MANAGED)");
}

TEST_F(TextureFromFile, ColourKeyClearsExactlyTheKeyColour)
{
    ASSERT_EQ(Load(SheetFile(), D3DX_DEFAULT, D3DX_DEFAULT, 0xFF000000), D3D_OK);
    EXPECT_EQ(Texels(), (std::vector<uint32_t>{0, 0xFF010000, 0xFFFF0000, 0xFFFFFFFF, 0, 0xFF0000FF}));

    ASSERT_EQ(Load(SheetFile(), D3DX_DEFAULT, D3DX_DEFAULT, 0), D3D_OK);
    EXPECT_EQ(Texels(), (std::vector<uint32_t>{0xFF000000, 0xFF010000, 0xFFFF0000, 0xFFFFFFFF, 0xFF000000,
                                               0xFF0000FF}));

    // A key is compared as the opaque colour, before anything else happens to the picture.
    ASSERT_EQ(Load(SheetFile(), 4, 2, 0x00FF0000), D3D_OK);
    EXPECT_EQ(Texels(), (std::vector<uint32_t>{0xFF000000, 0xFF010000, 0, 0, 0xFFFFFFFF, 0xFF000000, 0xFF0000FF, 0}));
}

TEST_F(TextureFromFile, DefaultOrZeroSizeIsTheFilesOwnAndOtherSizesKeepPixelsUnscaled)
{
    D3DXIMAGE_INFO info{};
    UINT width = 0, height = 0;
    for (UINT asked : {D3DX_DEFAULT, 0u}) {
        ASSERT_EQ(Load(SheetFile(), asked, asked, 0, &info), D3D_OK);
        Texels(&width, &height);
        EXPECT_EQ(width, 3u);
        EXPECT_EQ(height, 2u);
    }
    EXPECT_EQ(info.Width, 3u);
    EXPECT_EQ(info.Height, 2u);
    EXPECT_EQ(info.ImageFileFormat, D3DXIFF_BMP);
    EXPECT_EQ(info.ResourceType, D3DRTYPE_TEXTURE);

    ASSERT_EQ(Load(SheetFile(), 2, 3, 0), D3D_OK);
    EXPECT_EQ(Texels(&width, &height), (std::vector<uint32_t>{0xFF000000, 0xFF010000, 0xFFFFFFFF, 0xFF000000, 0, 0}));
    EXPECT_EQ(width, 2u);
    EXPECT_EQ(height, 3u);
}

TEST_F(TextureFromFile, FormatIsFoundByContentNotByName)
{
    PngSpec png;
    png.width = 5;
    png.height = 3;  // no power of two anywhere
    png.colourType = PNG_COLOR_TYPE_RGBA;
    png.rows = Bytes(5 * 3 * 4, 0x40);
    D3DXIMAGE_INFO info{};
    ASSERT_EQ(Load(WriteTempFile("really_png.bmp", MakePng(png)), D3DX_DEFAULT, D3DX_DEFAULT, 0, &info), D3D_OK);
    EXPECT_EQ(info.ImageFileFormat, D3DXIFF_PNG);
    EXPECT_EQ(Texels(), std::vector<uint32_t>(15, 0x40404040));

    Bytes grey(16 * 8, 128);
    std::string jpegNamedPng = WriteTempFile("grey.png", MakeJpeg(16, 8, 1, true, grey));
    ASSERT_EQ(D3DXCreateTextureFromFileA(device_.Get(), jpegNamedPng.c_str(), &texture_), D3D_OK);
    UINT width = 0, height = 0;
    Texels(&width, &height);
    EXPECT_EQ(width, 16u);
    EXPECT_EQ(height, 8u);
}

TEST_F(TextureFromFile, FailuresLeaveNoTexture)
{
    D3DXIMAGE_INFO info{};
    info.Width = 77;
    int notATexture = 0;
    texture_ = reinterpret_cast<IDirect3DTexture9*>(&notATexture);  // must be overwritten, never used
    EXPECT_EQ(Load(WriteTempFile("noise.bmp", Bytes{'B', 'M', 1, 2, 3}), D3DX_DEFAULT, D3DX_DEFAULT, 0, &info),
              D3DXERR_INVALIDDATA);
    EXPECT_EQ(texture_, nullptr);
    EXPECT_EQ(info.Width, 77u);
    EXPECT_EQ(Load(WriteTempFile("text.png", Bytes{'h', 'e', 'l', 'l', 'o'}), 0, 0, 0), D3DXERR_INVALIDDATA);
    EXPECT_EQ(Load(WriteTempFile("empty.jpg", Bytes{}), 0, 0, 0), D3DXERR_INVALIDDATA);
    EXPECT_EQ(Load(::testing::TempDir(), 0, 0, 0), D3DERR_NOTAVAILABLE);  // a folder
    EXPECT_EQ(Load("no/such/file.bmp", 0, 0, 0), D3DERR_NOTAVAILABLE);
    EXPECT_EQ(texture_, nullptr);
    EXPECT_EQ(TexturesMade(), 0u);

    // A size no texture may have fails at the device, and nothing is kept.
    EXPECT_EQ(Load(SheetFile(), 9000, 2, 0), D3DERR_INVALIDCALL);
    EXPECT_EQ(texture_, nullptr);
    EXPECT_EQ(TexturesMade(), 1u);

    EXPECT_EQ(D3DXCreateTextureFromFileA(nullptr, SheetFile().c_str(), &texture_), D3DERR_INVALIDCALL);
    EXPECT_EQ(texture_, nullptr);
    EXPECT_EQ(D3DXCreateTextureFromFileA(device_.Get(), SheetFile().c_str(), nullptr), D3DERR_INVALIDCALL);
}

TEST_F(TextureFromFile, BackslashesInANameSeparateFolders)
{
    // As a model written on Windows names its texture, misc\env2.bmp.
    const std::filesystem::path sheet = SheetFile();
    std::filesystem::create_directories(sheet.parent_path() / "misc");
    std::filesystem::copy_file(sheet, sheet.parent_path() / "misc" / "env2.bmp",
                               std::filesystem::copy_options::overwrite_existing);
    ASSERT_EQ(Load(sheet.parent_path().string() + "\\misc\\env2.bmp", 0, 0, 0), D3D_OK);
    UINT width = 0, height = 0;
    Texels(&width, &height);
    EXPECT_EQ(width, 3u);
    EXPECT_EQ(height, 2u);
}

TEST_F(TextureFromFile, GameSheetsLoadAtTheirSizesWithBlackKeyedOut)
{
    // The generated DATA folder sits in the build folder, the tests' working directory.
    struct Sheet {
        const char* file;
        UINT width, height;
    };
    const Sheet sheets[] = {{"./DATA/pic/scoreboad.bmp", 640, 480},
                            {"./DATA/pic/Title.bmp", 640, 1024},
                            {"./DATA/pic/game.bmp", 1024, 512},
                            {"./DATA/pic/ABC012.bmp", 512, 512},
                            {"./DATA/pic/endscr.bmp", 512, 1024}};
    IDirect3DDevice9* previous = g_device;
    g_device = device_.Get();
    for (const Sheet& sheet : sheets) {
        texture_ = nullptr;
        LoadTexture(&texture_, sheet.file, sheet.width, sheet.height, 0xFF000000);
        ASSERT_NE(texture_, nullptr) << sheet.file;
        UINT width = 0, height = 0;
        std::vector<uint32_t> texels = Texels(&width, &height);
        EXPECT_EQ(width, sheet.width) << sheet.file;
        EXPECT_EQ(height, sheet.height) << sheet.file;
        // Sheets are drawn on black: some texels are keyed out, none is left opaque black.
        EXPECT_NE(std::count(texels.begin(), texels.end(), 0u), 0) << sheet.file;
        EXPECT_EQ(std::count(texels.begin(), texels.end(), 0xFF000000u), 0) << sheet.file;
    }
    g_device = previous;
}
