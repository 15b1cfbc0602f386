// Screenshots: PNG files that read back as the back buffer, top row first, and one lit,
// textured scene with a sprite over it saved as render_scene.png in the build folder for a
// person to look at.
#include <png.h>

#include <cmath>
#include <filesystem>
#include <string>

#include "d3d9/gl_render_fixture.h"
#include "d3dx9core.h"

namespace {

using render_test::GlRenderTest;
using render_test::Near;

std::string OutputPath(const char* name)
{
    const char* build = std::getenv("VELTRANE_BUILD");
    return ((build ? std::filesystem::path(build) : std::filesystem::current_path()) / name).string();
}

bool ReadPng(const std::string& path, d3d9::Picture* picture)
{
    png_image image = {};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str())) return false;
    image.format = PNG_FORMAT_BGRA;  // the memory order of 0xAARRGGBB words
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
    const std::string path = OutputPath("screenshot_round_trip.png");
    ASSERT_TRUE(d3d9::SaveScreenshot(device_, path));
    d3d9::Picture saved;
    ASSERT_TRUE(ReadPng(path, &saved));
    EXPECT_EQ(saved.pixels, Shot().pixels);
    EXPECT_EQ(saved.At(2, 1), 0xFFFFFF00u);
    EXPECT_EQ(saved.At(3, 1), 0xFF0000FFu);
    EXPECT_EQ(saved.At(2, 2), 0xFF0000FFu);
    std::filesystem::remove(path);

    d3d9::Picture wrong;
    EXPECT_FALSE(d3d9::ReadBackBuffer(nullptr, &wrong));
    wrong.width = wrong.height = 2;
    wrong.pixels.assign(3, 0);  // one pixel short
    EXPECT_FALSE(d3d9::SavePng(OutputPath("short.png"), wrong));
    EXPECT_FALSE(d3d9::SavePng(OutputPath("no such folder/x.png"), saved));
}

// Direct3D's left-handed perspective (as D3DXMatrixPerspectiveFovLH builds it).
D3DMATRIX Perspective(float fovY, float aspect, float zn, float zf)
{
    const float yScale = 1.0f / std::tan(fovY / 2);
    D3DMATRIX m = {};
    m._11 = yScale / aspect, m._22 = yScale, m._33 = zf / (zf - zn), m._34 = 1.0f, m._43 = -zn * zf / (zf - zn);
    return m;
}

// Turned about y, then about x, then moved to z = 6 (row vectors).
D3DMATRIX World(float aboutY, float aboutX)
{
    const float cy = std::cos(aboutY), sy = std::sin(aboutY), cx = std::cos(aboutX), sx = std::sin(aboutX);
    D3DMATRIX m = {};
    m._11 = cy, m._12 = sy * sx, m._13 = -sy * cx;
    m._22 = cx, m._23 = sx;
    m._31 = sy, m._32 = -cy * sx, m._33 = cy * cx;
    m._43 = 6.0f, m._44 = 1.0f;
    return m;
}

// Where a model point lands in back-buffer pixels.
POINT Project(const D3DMATRIX& world, const D3DMATRIX& projection, const float p[3])
{
    float v[4], c[4];
    for (int j = 0; j < 4; ++j) v[j] = p[0] * world.m[0][j] + p[1] * world.m[1][j] + p[2] * world.m[2][j] + world.m[3][j];
    for (int j = 0; j < 4; ++j)
        c[j] = v[0] * projection.m[0][j] + v[1] * projection.m[1][j] + v[2] * projection.m[2][j] +
               v[3] * projection.m[3][j];
    return {LONG(std::lround((c[0] / c[3] + 1) * 320)), LONG(std::lround((1 - c[1] / c[3]) * 240))};
}

struct MeshVertex {
    float x, y, z, nx, ny, nz, u, v;
};

TEST_F(GlRenderTest, LitTexturedSceneWithASpriteSavesAsPng)
{
    // The three faces of a cube of side 2 that look at the camera: -z, +y and -x, each as
    // four vertices (corners along two axes a and b across the face) and two triangles.
    const float faces[3][9] = {{0, 0, -1, 1, 0, 0, 0, 1, 0}, {0, 1, 0, 1, 0, 0, 0, 0, 1}, {-1, 0, 0, 0, 0, -1, 0, 1, 0}};
    std::vector<MeshVertex> vertices;
    std::vector<uint16_t> indices;
    for (const float* f : faces) {
        const auto base = uint16_t(vertices.size());
        for (const auto& [s, t] : {std::pair{-1, 1}, {1, 1}, {1, -1}, {-1, -1}})
            vertices.push_back({f[0] + s * f[3] + t * f[6], f[1] + s * f[4] + t * f[7], f[2] + s * f[5] + t * f[8],
                                f[0], f[1], f[2], (s + 1) / 2.0f, (1 - t) / 2.0f});
        for (int i : {0, 1, 2, 0, 2, 3}) indices.push_back(uint16_t(base + i));
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

    const D3DMATRIX world = World(-0.6f, -0.5f), projection = Perspective(1.0471976f, 1.3333334f, 1.0f, 1000.0f);
    device_->SetTransform(D3DTS_WORLD, &world);
    device_->SetTransform(D3DTS_PROJECTION, &projection);
    SetGameStates();
    device_->SetSamplerState(0, D3DSAMP_MINFILTER, D3DTEXF_LINEAR);
    device_->SetSamplerState(0, D3DSAMP_MAGFILTER, D3DTEXF_LINEAR);
    const D3DMATERIAL9 material = {{1, 1, 1, 1}, {1, 1, 1, 1}, {}, {}, 120.0f};
    device_->SetMaterial(&material);
    D3DLIGHT9 light = {};
    light.Type = D3DLIGHT_DIRECTIONAL;
    light.Diffuse = {1, 1, 1, 0};
    light.Direction = {0.3f, -0.6f, 1.0f};
    device_->SetLight(0, &light);
    device_->LightEnable(0, TRUE);
    ID3DXSprite* sprite = nullptr;
    ASSERT_EQ(D3DXCreateSprite(device_, &sprite), D3D_OK);

    ClearTo(0xFF101830);
    device_->BeginScene();
    device_->SetTexture(0, checker);
    device_->SetFVF(fvf);
    device_->SetStreamSource(0, vb, 0, sizeof(MeshVertex));
    device_->SetIndices(ib);
    ASSERT_EQ(device_->DrawIndexedPrimitive(D3DPT_TRIANGLELIST, 0, 0, 12, 0, 6), D3D_OK);
    sprite->Begin();
    const RECT cell = {0, 0, 4, 4};
    const D3DXVECTOR2 scale(8, 8), large(16, 16), small(60, 16);
    sprite->Draw(checker, &cell, &scale, nullptr, 0.0f, &large, 0xFFFFFFFF);
    sprite->Draw(checker, &cell, nullptr, nullptr, 0.0f, &small, 0xFFFFFFFF);
    sprite->End();
    device_->EndScene();
    ASSERT_TRUE(d3d9::SaveScreenshot(device_, OutputPath("render_scene.png")));

    const d3d9::Picture picture = Shot();
    const float toLight[3] = {-0.3f, 0.6f, -1.0f}, length = std::sqrt(0.09f + 0.36f + 1.0f);
    for (const float* f : faces) {
        float normal[3];  // the face normal turned into world space
        for (int j = 0; j < 3; ++j) normal[j] = f[0] * world.m[0][j] + f[1] * world.m[1][j] + f[2] * world.m[2][j];
        const float cosine = (normal[0] * toLight[0] + normal[1] * toLight[1] + normal[2] * toLight[2]) / length;
        const POINT at = Project(world, projection, f);
        EXPECT_NEAR(double(picture.At(UINT(at.x), UINT(at.y)) & 0xFF), 255.0 * std::max(cosine, 0.0f), 3.0)
            << at.x << ", " << at.y;
    }
    EXPECT_EQ(picture.At(630, 470), 0xFF101830u);
    // The sprite: the 4 by 4 texel cell as it is at (60, 16) (and 8 times as large at (16, 16)).
    EXPECT_TRUE(Near(picture.At(60, 16), 0xFFFFFF, 0));
    EXPECT_TRUE(Near(picture.At(61, 16), 0x80C0FF, 0));
    EXPECT_TRUE(Near(picture.At(63, 19), 0xFFFFFF, 0));
    sprite->Release();
    checker->Release();
    vb->Release();
    ib->Release();
}

}  // namespace
