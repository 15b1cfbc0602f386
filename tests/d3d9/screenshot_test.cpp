// Screenshots: the back buffer read the right way up, PNG files that read back the same,
// and one lit, textured scene with a sprite over it saved as render_scene.png in the build
// folder for a person to look at.
#include <png.h>

#include <cmath>
#include <filesystem>
#include <string>

#include "d3d9/gl_render_fixture.h"
#include "d3dx9core.h"

namespace {

using render_test::GlRenderTest;
using render_test::Near;

std::filesystem::path OutputDir()
{
    const char* build = std::getenv("VELTRANE_BUILD");
    return build ? std::filesystem::path(build) : std::filesystem::current_path();
}

bool ReadPng(const std::string& path, d3d9::Picture* picture)
{
    png_image image = {};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str())) return false;
    image.format = PNG_FORMAT_BGRA;  // memory order of 0xAARRGGBB words
    picture->width = image.width;
    picture->height = image.height;
    picture->pixels.assign(size_t(image.width) * image.height, 0);
    return png_image_finish_read(&image, nullptr, picture->pixels.data(), 0, nullptr) != 0;
}

TEST_F(GlRenderTest, SavedPngHoldsTheBackBufferTopRowFirst)
{
    device_->Clear(0, nullptr, D3DCLEAR_TARGET, 0xFF0000FF, 1.0f, 0);
    const D3DRECT corner = {0, 0, 3, 2};
    device_->Clear(1, &corner, D3DCLEAR_TARGET, 0xFFFFFF00, 1.0f, 0);
    const std::string path = (OutputDir() / "screenshot_round_trip.png").string();
    ASSERT_TRUE(d3d9::SaveScreenshot(device_, path));
    d3d9::Picture saved;
    ASSERT_TRUE(ReadPng(path, &saved));
    EXPECT_EQ(saved.width, 640u);
    EXPECT_EQ(saved.height, 480u);
    EXPECT_EQ(saved.pixels, Shot().pixels);
    EXPECT_EQ(saved.At(2, 1), 0xFFFFFF00u);
    EXPECT_EQ(saved.At(3, 1), 0xFF0000FFu);
    EXPECT_EQ(saved.At(2, 2), 0xFF0000FFu);
    std::filesystem::remove(path);
}

TEST(ScreenshotTest, RefusesWhatItCannotRead)
{
    d3d9::Picture picture;
    EXPECT_FALSE(d3d9::ReadBackBuffer(nullptr, &picture));
    EXPECT_FALSE(d3d9::SavePng((OutputDir() / "empty.png").string(), picture));
    picture.width = 2;
    picture.height = 2;
    picture.pixels.assign(3, 0);  // one pixel short
    EXPECT_FALSE(d3d9::SavePng((OutputDir() / "short.png").string(), picture));
    picture.pixels.assign(4, 0);
    EXPECT_FALSE(d3d9::SavePng((OutputDir() / "no such folder" / "x.png").string(), picture));
}

// Direct3D's left-handed camera and projection, as the game builds them.
D3DMATRIX LookAt(D3DVECTOR eye, D3DVECTOR at, D3DVECTOR up)
{
    auto sub = [](D3DVECTOR a, D3DVECTOR b) { return D3DVECTOR{a.x - b.x, a.y - b.y, a.z - b.z}; };
    auto dot = [](D3DVECTOR a, D3DVECTOR b) { return a.x * b.x + a.y * b.y + a.z * b.z; };
    auto cross = [](D3DVECTOR a, D3DVECTOR b) {
        return D3DVECTOR{a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
    };
    auto unit = [&](D3DVECTOR a) {
        const float length = std::sqrt(dot(a, a));
        return D3DVECTOR{a.x / length, a.y / length, a.z / length};
    };
    const D3DVECTOR z = unit(sub(at, eye)), x = unit(cross(up, z)), y = cross(z, x);
    D3DMATRIX m = {};
    m._11 = x.x, m._12 = y.x, m._13 = z.x;
    m._21 = x.y, m._22 = y.y, m._23 = z.y;
    m._31 = x.z, m._32 = y.z, m._33 = z.z;
    m._41 = -dot(x, eye), m._42 = -dot(y, eye), m._43 = -dot(z, eye), m._44 = 1.0f;
    return m;
}

D3DMATRIX PerspectiveFov(float fovY, float aspect, float zn, float zf)
{
    const float yScale = 1.0f / std::tan(fovY / 2), xScale = yScale / aspect;
    D3DMATRIX m = {};
    m._11 = xScale;
    m._22 = yScale;
    m._33 = zf / (zf - zn);
    m._34 = 1.0f;
    m._43 = -zn * zf / (zf - zn);
    return m;
}

// Where a world point lands in back-buffer pixels under view x projection.
POINT Project(const D3DMATRIX& view, const D3DMATRIX& projection, D3DVECTOR p)
{
    float v[4] = {p.x, p.y, p.z, 1.0f}, e[4], c[4];
    for (int j = 0; j < 4; ++j) e[j] = v[0] * view.m[0][j] + v[1] * view.m[1][j] + v[2] * view.m[2][j] + view.m[3][j];
    for (int j = 0; j < 4; ++j)
        c[j] = e[0] * projection.m[0][j] + e[1] * projection.m[1][j] + e[2] * projection.m[2][j] +
               e[3] * projection.m[3][j];
    return {LONG(std::lround((c[0] / c[3] + 1) * 320)), LONG(std::lround((1 - c[1] / c[3]) * 240))};
}

struct MeshVertex {
    float x, y, z, nx, ny, nz, u, v;
};

TEST_F(GlRenderTest, LitTexturedSceneWithASpriteSavesAsPng)
{
    // A cube of side 2 at the origin, four vertices and two triangles per face.
    const float faces[6][3] = {{0, 0, -1}, {0, 0, 1}, {-1, 0, 0}, {1, 0, 0}, {0, 1, 0}, {0, -1, 0}};
    std::vector<MeshVertex> vertices;
    std::vector<uint16_t> indices;
    for (const auto& n : faces) {
        // Two axes across the face.
        const D3DVECTOR a = n[1] != 0 ? D3DVECTOR{1, 0, 0} : D3DVECTOR{n[2], 0, -n[0]};
        const D3DVECTOR b = {n[1] * a.z - n[2] * a.y, n[2] * a.x - n[0] * a.z, n[0] * a.y - n[1] * a.x};
        const auto base = uint16_t(vertices.size());
        const float corners[4][2] = {{-1, 1}, {1, 1}, {1, -1}, {-1, -1}};
        for (const auto& c : corners)
            vertices.push_back({n[0] + c[0] * a.x + c[1] * b.x, n[1] + c[0] * a.y + c[1] * b.y,
                                n[2] + c[0] * a.z + c[1] * b.z, n[0], n[1], n[2], (c[0] + 1) / 2, (1 - c[1]) / 2});
        for (uint16_t i : {0, 1, 2, 0, 2, 3}) indices.push_back(uint16_t(base + i));
    }
    const DWORD fvf = D3DFVF_XYZ | D3DFVF_NORMAL | D3DFVF_TEX1;
    IDirect3DVertexBuffer9* vb = nullptr;
    IDirect3DIndexBuffer9* ib = nullptr;
    ASSERT_EQ(device_->CreateVertexBuffer(UINT(vertices.size() * sizeof(MeshVertex)), 0, fvf, D3DPOOL_MANAGED, &vb,
                                          nullptr),
              D3D_OK);
    ASSERT_EQ(device_->CreateIndexBuffer(UINT(indices.size() * 2), 0, D3DFMT_INDEX16, D3DPOOL_MANAGED, &ib, nullptr),
              D3D_OK);
    void* data = nullptr;
    vb->Lock(0, 0, &data, 0);
    std::memcpy(data, vertices.data(), vertices.size() * sizeof(MeshVertex));
    vb->Unlock();
    ib->Lock(0, 0, &data, 0);
    std::memcpy(data, indices.data(), indices.size() * 2);
    ib->Unlock();

    // A checker of white and light blue: blue is full in both, so the blue channel of a
    // face is 255 x the cosine of its angle to the light.
    uint32_t texels[64];
    for (int i = 0; i < 64; ++i) texels[i] = ((i / 8 + i % 8) % 2 == 0) ? 0xFFFFFFFF : 0xFF80C0FF;
    IDirect3DTexture9* checker = MakeTexture(8, 8, texels);

    const D3DMATRIX view = LookAt({-2.5f, 2.0f, -3.5f}, {0, 0, 0}, {0, 1, 0});
    const D3DMATRIX projection = PerspectiveFov(1.0471976f, 1.3333334f, 1.0f, 1000.0f);
    device_->SetTransform(D3DTS_VIEW, &view);
    device_->SetTransform(D3DTS_PROJECTION, &projection);
    device_->SetRenderState(D3DRS_CULLMODE, D3DCULL_NONE);
    device_->SetSamplerState(0, D3DSAMP_MINFILTER, D3DTEXF_LINEAR);
    device_->SetSamplerState(0, D3DSAMP_MAGFILTER, D3DTEXF_LINEAR);
    const D3DMATERIAL9 material = {{1, 1, 1, 1}, {1, 1, 1, 1}, {}, {}, 120.0f};
    device_->SetMaterial(&material);
    D3DLIGHT9 light = {};
    light.Type = D3DLIGHT_DIRECTIONAL;
    light.Diffuse = {1, 1, 1, 0};
    light.Direction = {0.5f, -1.0f, 0.8f};  // from the upper left, in front
    device_->SetLight(0, &light);
    device_->LightEnable(0, TRUE);

    ID3DXSprite* sprite = nullptr;
    ASSERT_EQ(D3DXCreateSprite(device_, &sprite), D3D_OK);
    device_->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, 0xFF101830, 1.0f, 0);
    device_->BeginScene();
    device_->SetTexture(0, checker);
    device_->SetFVF(fvf);
    device_->SetStreamSource(0, vb, 0, sizeof(MeshVertex));
    device_->SetIndices(ib);
    ASSERT_EQ(device_->DrawIndexedPrimitive(D3DPT_TRIANGLELIST, 0, 0, 24, 0, 12), D3D_OK);
    sprite->Begin();
    const RECT cell = {0, 0, 4, 4};
    const D3DXVECTOR2 scale(8, 8), large(16, 16), small(60, 16);
    sprite->Draw(checker, &cell, &scale, nullptr, 0.0f, &large, 0xFFFFFFFF);
    sprite->Draw(checker, &cell, nullptr, nullptr, 0.0f, &small, 0xFFFFFFFF);
    sprite->End();
    device_->EndScene();

    const std::string path = (OutputDir() / "render_scene.png").string();
    ASSERT_TRUE(d3d9::SaveScreenshot(device_, path));
    const d3d9::Picture picture = Shot();
    const float length = std::sqrt(0.25f + 1.0f + 0.64f);
    struct Face {
        D3DVECTOR centre;
        float cosine;
    };
    const Face lit[] = {{{0, 1, 0}, 1.0f / length}, {{0, 0, -1}, 0.8f / length}, {{-1, 0, 0}, 0.5f / length}};
    for (const Face& face : lit) {
        const POINT at = Project(view, projection, face.centre);
        const uint32_t blue = picture.At(UINT(at.x), UINT(at.y)) & 0xFF;
        EXPECT_NEAR(double(blue), 255.0 * face.cosine, 3.0) << at.x << ", " << at.y;
    }
    EXPECT_EQ(picture.At(630, 470), 0xFF101830u);
    // The sprite: 4 by 4 checker texels at (60, 16) as they are (and 8 times as large at
    // (16, 16), filtered).
    EXPECT_TRUE(Near(picture.At(60, 16), 0xFFFFFF, 0));
    EXPECT_TRUE(Near(picture.At(61, 16), 0x80C0FF, 0));
    EXPECT_TRUE(Near(picture.At(63, 19), 0xFFFFFF, 0));
    sprite->Release();
    checker->Release();
    vb->Release();
    ib->Release();
}

}  // namespace
