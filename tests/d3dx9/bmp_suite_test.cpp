// The BMP Suite from shared/testdata: every good file loads with its size and colours, bad
// files are refused or read without going out of bounds, questionable ones never crash.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>

#include "d3dx9.h"
#include "d3dx9/stand_in_device.h"
#include "fake/fake_d3d9.h"
#include "image.h"
#include "support/testdata.h"

namespace {

namespace fs = std::filesystem;

fs::path SuiteDir(const char* kind) { return TestDataDir() / "bmp" / kind; }

bool Decode(const fs::path& file, d3dx9::Image& image)
{
    std::ifstream in(file, std::ios::binary);
    std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_FALSE(bytes.empty()) << file;
    bool decoded = d3dx9::DecodeImage(bytes.data(), bytes.size(), image);
    if (decoded) {
        EXPECT_EQ(image.pixels.size(), size_t(image.width) * image.height) << file;
    }
    return decoded;
}

std::vector<fs::path> SuiteFiles(const char* kind)
{
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(SuiteDir(kind))) files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

// Decodes every file of one kind: those listed fail, all others give a picture.
void ExpectOnlyTheseRefused(const char* kind, const std::vector<std::string>& refused)
{
    for (const auto& file : SuiteFiles(kind)) {
        d3dx9::Image image;
        bool decoded = Decode(file, image);
        bool listed = std::find(refused.begin(), refused.end(), file.filename()) != refused.end();
        EXPECT_EQ(decoded, !listed) << file;
    }
}

struct Good {
    const char* file;
    uint32_t width, height;
    uint32_t topLeft, topRight, bottomLeft, centre;
};

// Most of the suite is one 127 by 64 picture: a red top-left corner, a greyish-blue top
// right, black at the bottom left and white in the letters at the centre.
const Good kGood[] = {
    {"pal1.bmp", 127, 64, 0xFFFFFFFF, 0xFFFFFFFF, 0xFF000000, 0xFFFFFFFF},
    {"pal1bg.bmp", 127, 64, 0xFF40FF40, 0xFF40FF40, 0xFF4040FF, 0xFF40FF40},
    {"pal1wb.bmp", 127, 64, 0xFFFFFFFF, 0xFFFFFFFF, 0xFF000000, 0xFFFFFFFF},
    {"pal4.bmp", 127, 64, 0xFFFF0000, 0xFFFF80FF, 0xFF000000, 0xFFFFFFFF},
    {"pal4gs.bmp", 127, 64, 0xFF8B8B8B, 0xFFA2A2A2, 0xFF000000, 0xFFFFFFFF},
    {"pal4rle.bmp", 127, 64, 0xFFFF0000, 0xFFFF80FF, 0xFF000000, 0xFFFFFFFF},
    {"pal8-0.bmp", 127, 64, 0xFFFF0000, 0xFF99AACC, 0xFF000000, 0xFFFFFFFF},
    {"pal8.bmp", 127, 64, 0xFFFF0000, 0xFF99AACC, 0xFF000000, 0xFFFFFFFF},
    {"pal8gs.bmp", 127, 64, 0xFF808080, 0xFFA2A2A2, 0xFF000000, 0xFFFFFFFF},
    {"pal8nonsquare.bmp", 127, 32, 0xFFFF0000, 0xFF99AACC, 0xFF000000, 0xFFFFFFFF},
    {"pal8os2.bmp", 127, 64, 0xFFFF0000, 0xFF99AACC, 0xFF000000, 0xFFFFFFFF},
    {"pal8rle.bmp", 127, 64, 0xFFFF0000, 0xFF99AACC, 0xFF000000, 0xFFFFFFFF},
    {"pal8topdown.bmp", 127, 64, 0xFFFF0000, 0xFF99AACC, 0xFF000000, 0xFFFFFFFF},
    {"pal8v4.bmp", 127, 64, 0xFFFF0000, 0xFF99AACC, 0xFF000000, 0xFFFFFFFF},
    {"pal8v5.bmp", 127, 64, 0xFFFF0000, 0xFF99AACC, 0xFF000000, 0xFFFFFFFF},
    {"pal8w124.bmp", 124, 61, 0xFFFF0000, 0xFF998099, 0xFF330000, 0xFFFFFFFF},
    {"pal8w125.bmp", 125, 62, 0xFFFF0000, 0xFFCCAACC, 0xFF000000, 0xFFFFFFFF},
    {"pal8w126.bmp", 126, 63, 0xFFFF0000, 0xFF998099, 0xFF000000, 0xFFFFFFFF},
    {"rgb16-565.bmp", 127, 64, 0xFFFF0000, 0xFF9C9EBD, 0xFF000000, 0xFFFFFFFF},
    {"rgb16-565pal.bmp", 127, 64, 0xFFFF0000, 0xFF9C9EBD, 0xFF000000, 0xFFFFFFFF},
    {"rgb16.bmp", 127, 64, 0xFFFF0000, 0xFF9C9CBD, 0xFF000000, 0xFFFFFFFF},
    {"rgb16bfdef.bmp", 127, 64, 0xFFFF0000, 0xFF9C9CBD, 0xFF000000, 0xFFFFFFFF},
    {"rgb24.bmp", 127, 64, 0xFFFF0000, 0xFF9F9FBD, 0xFF000000, 0xFFFFFFFF},
    // Stored with other colours for readers that apply its calibration; we do not.
    {"rgb24calibr.bmp", 127, 64, 0xFF00FF00, 0xFF585882, 0xFF000000, 0xFFFFFFFF},
    {"rgb24pal.bmp", 127, 64, 0xFFFF0000, 0xFF9F9FBD, 0xFF000000, 0xFFFFFFFF},
    {"rgb32.bmp", 127, 64, 0xFFFF0000, 0xFF9F9FBD, 0xFF000000, 0xFFFFFFFF},
    {"rgb32bf.bmp", 127, 64, 0xFFFF0000, 0xFF9F9FBD, 0xFF000000, 0xFFFFFFFF},
    {"rgb32bfdef.bmp", 127, 64, 0xFFFF0000, 0xFF9F9FBD, 0xFF000000, 0xFFFFFFFF},
};

d3dx9::Image LoadGood(const char* file)
{
    d3dx9::Image image;
    EXPECT_TRUE(Decode(SuiteDir("g") / file, image)) << file;
    return image;
}

}  // namespace

TEST(BmpSuite, EveryGoodFileLoadsWithItsSizeAndColours)
{
    REQUIRE_TESTDATA();
    ASSERT_EQ(SuiteFiles("g").size(), std::size(kGood));
    for (const auto& good : kGood) {
        d3dx9::Image image = LoadGood(good.file);
        ASSERT_EQ(image.width, good.width) << good.file;
        ASSERT_EQ(image.height, good.height) << good.file;
        const auto& p = image.pixels;
        EXPECT_EQ(p[0], good.topLeft) << good.file;
        EXPECT_EQ(p[good.width - 1], good.topRight) << good.file;
        EXPECT_EQ(p[size_t(good.height - 1) * good.width], good.bottomLeft) << good.file;
        EXPECT_EQ(p[size_t(good.height / 2) * good.width + good.width / 2], good.centre) << good.file;
    }
}

TEST(BmpSuite, OnePictureStoredInManyWaysDecodesIdentically)
{
    REQUIRE_TESTDATA();
    const std::vector<std::vector<const char*>> sameness = {
        {"pal4.bmp", "pal4rle.bmp"},
        {"pal8.bmp", "pal8-0.bmp", "pal8os2.bmp", "pal8rle.bmp", "pal8topdown.bmp", "pal8v4.bmp", "pal8v5.bmp"},
        {"rgb16.bmp", "rgb16bfdef.bmp"},
        {"rgb16-565.bmp", "rgb16-565pal.bmp"},
        {"rgb24.bmp", "rgb24pal.bmp", "rgb32.bmp", "rgb32bf.bmp", "rgb32bfdef.bmp"},
    };
    for (const auto& group : sameness) {
        d3dx9::Image first = LoadGood(group[0]);
        for (size_t i = 1; i < group.size(); ++i) EXPECT_EQ(LoadGood(group[i]).pixels, first.pixels) << group[i];
    }

    // Five bits a channel stay within one step of the 24-bit original.
    d3dx9::Image full = LoadGood("rgb24.bmp"), reduced = LoadGood("rgb16.bmp");
    ASSERT_EQ(full.pixels.size(), reduced.pixels.size());
    for (size_t i = 0; i < full.pixels.size(); ++i)
        for (int shift = 0; shift < 24; shift += 8)
            ASSERT_LE(std::abs(int(full.pixels[i] >> shift & 0xFF) - int(reduced.pixels[i] >> shift & 0xFF)), 8)
                << i;
}

TEST(BmpSuite, BadFilesAreRefusedOrReadWithinBounds)
{
    REQUIRE_TESTDATA();
    // These break a rule we check; the others (wrong sizes in fields we do not need, bad
    // run-length data, palette indexes past the palette) still give a picture.
    const std::vector<std::string> refused = {"badbitcount.bmp", "badheadersize.bmp", "badplanes.bmp",
                                              "badwidth.bmp",    "nopalette.bmp",     "pal8-zo.bmp",
                                              "reallybig.bmp",   "rgb24bf.bmp",       "rletopdown.bmp",
                                              "shortfile.bmp"};
    ExpectOnlyTheseRefused("b", refused);
}

TEST(BmpSuite, QuestionableFilesLoadUnlessOfAKindWeDoNotRead)
{
    REQUIRE_TESTDATA();
    // Not read: 2 and 64 bits per pixel, OS/2 2.x headers, Huffman and 24-bit run-length
    // coding, and embedded JPEG or PNG data.
    const std::vector<std::string> refused = {
        "pal1hufflsb.bmp",    "pal1huffmsb.bmp", "pal2.bmp",       "pal2color.bmp", "pal8os2v2-16.bmp",
        "pal8os2v2-sz.bmp",   "pal8os2v2.bmp",   "rgb24jpeg.bmp",  "rgb24png.bmp",  "rgb24rle24.bmp",
        "rgb64.bmp",          "rgb64fakealpha.bmp", "rgb64os2.bmp", "rgba64.bmp",   "rgba64imagclrs.bmp"};
    ExpectOnlyTheseRefused("q", refused);
}

TEST(BmpSuite, SuiteFileBecomesATexture)
{
    REQUIRE_TESTDATA();
    StandInDevice device;
    IDirect3DTexture9* texture = nullptr;
    std::string file = (SuiteDir("g") / "pal8rle.bmp").string();
    ASSERT_EQ(D3DXCreateTextureFromFileExA(device.Get(), file.c_str(), D3DX_DEFAULT, D3DX_DEFAULT, 1, 0, D3DFMT_UNKNOWN,
                                           D3DPOOL_MANAGED, D3DX_FILTER_NONE, D3DX_DEFAULT, 0xFF000000, nullptr,
                                           nullptr, &texture),
              D3D_OK);
    D3DSURFACE_DESC desc;
    ASSERT_EQ(texture->GetLevelDesc(0, &desc), D3D_OK);
    EXPECT_EQ(desc.Width, 127u);
    EXPECT_EQ(desc.Height, 64u);
    D3DLOCKED_RECT locked;
    ASSERT_EQ(texture->LockRect(0, &locked, nullptr, 0), D3D_OK);
    const auto* texels = static_cast<const uint32_t*>(locked.pBits);
    EXPECT_EQ(texels[0], 0xFFFF0000u);
    EXPECT_EQ(texels[63 * 127], 0u);  // black, keyed out
    texture->UnlockRect(0);
    texture->Release();
    EXPECT_EQ(fake::Live().textures, 0);
}
