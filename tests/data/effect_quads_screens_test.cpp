// The explosions, the flame strip and the twin laser drawn from the real game.bmp through
// the OpenGL device under the stage camera, over a plain backdrop; saved under
// build/screens for a look and probed where each effect has to show.
#include <cstdlib>
#include <filesystem>

#include "data_models/scene_math.h"
#include "graphics/effects.h"
#include "sheet_device.h"

namespace {

constexpr D3DCOLOR kBackdrop = 0xFF203048;
// Far enough up for the flame under the craft to show.
constexpr float kCraftY = -6.0f;

std::filesystem::path ScreenshotDir()
{
    const char* build = std::getenv("VELTRANE_BUILD");
    const std::filesystem::path dir = std::filesystem::path(build ? build : ".") / "screens";
    std::filesystem::create_directories(dir);
    return dir;
}

void SetCorners(EffectVertex* quad, float halfWidth, float halfHeight, D3DCOLOR diffuse)
{
    const float x[4] = {-halfWidth, halfWidth, halfWidth, -halfWidth};
    const float y[4] = {halfHeight, halfHeight, -halfHeight, -halfHeight};
    for (int i = 0; i < 4; ++i) {
        quad[i].position = D3DXVECTOR3(x[i], y[i], 0);
        quad[i].diffuse = diffuse;
    }
}

// The quads as the stage fills them before its first frame, and the effects at rest.
void FillQuads()
{
    for (int i = 0; i < 10; ++i) SetCorners(&g_explosionQuads[4 * i], 2, 2, 0xFFFFFFFF);
    SetCorners(g_flameQuad, 1, 1, 0xFFFFFFFF);
    SetCorners(g_laserQuad, 0.1f, 0, 0x7FFFFFFF);
    const D3DXVECTOR2 beam[4] = {{1.0f / 1024, 333.0f / 512},
                                 {13.0f / 1024, 333.0f / 512},
                                 {13.0f / 1024, 377.0f / 512},
                                 {1.0f / 1024, 377.0f / 512}};
    for (int i = 0; i < 4; ++i) g_laserQuad[i].uv = beam[i];
    for (int i = 0; i < 10; ++i) g_explosionActive[i] = 0;
    g_stripCellU = g_stripToggle = g_laserFrame = 0;
    g_laserActive = 0;
}

class EffectQuadsScreens : public SheetDeviceTest {
protected:
    void SetUp() override
    {
        SheetDeviceTest::SetUp();
        if (IsSkipped() || HasFatalFailure()) return;
        g_texGame = sheets_[kGame];
        const D3DXMATRIX view = scene::StageView(), projection = scene::StageProjection();
        device_->SetTransform(D3DTS_VIEW, &view);
        device_->SetTransform(D3DTS_PROJECTION, &projection);
        FillQuads();
    }

    void TearDown() override
    {
        FillQuads();
        g_texGame = nullptr;
        SheetDeviceTest::TearDown();
    }

    // One frame of the effects in the stage frame's order.
    d3d9::Picture Frame(const GameObject& craft)
    {
        ClearTo(kBackdrop);
        device_->BeginScene();
        DrawExplosions(g_explosionQuads, craft);
        DrawFlameStrip(g_flameQuad, craft);
        if (g_laserActive == 1) DrawTwinLaser(g_laserQuad, craft);
        device_->EndScene();
        return Shot();
    }

    // Pixels within `reach` of the world point's picture that differ from the backdrop.
    static int Changed(const d3d9::Picture& picture, makedata::Vec3 world, int reach)
    {
        const makedata::Vec3 centre = scene::StagePixel(world);
        int count = 0;
        for (int y = int(centre.y) - reach; y <= int(centre.y) + reach; ++y)
            for (int x = int(centre.x) - reach; x <= int(centre.x) + reach; ++x)
                if (x >= 0 && y >= 0 && x < int(picture.width) && y < int(picture.height))
                    count += !render_test::Near(picture.At(UINT(x), UINT(y)), kBackdrop, 24);
        return count;
    }
};

}  // namespace

// Three explosions spawned 30, 33 and 38 frames into a laser run show cells 10, 7 and 2;
// the beam's head has grown to 20 units.
TEST_F(EffectQuadsScreens, ExplosionsFlameAndLaserOverAPlainBackdrop)
{
    GameObject craft;
    craft.pos = D3DXVECTOR3(0, kCraftY, 0);
    const makedata::Vec3 blasts[3] = {{-8, 2, 0}, {6, 12, 0}, {9, 0, 0}};
    const int spawnFrames[3] = {30, 33, 38};
    g_laserActive = 1;
    d3d9::Picture picture;
    for (int frame = 0; frame <= 40; ++frame) {
        for (int i = 0; i < 3; ++i) {
            if (frame != spawnFrames[i]) continue;
            GameObject at;
            at.pos = D3DXVECTOR3(blasts[i].x, blasts[i].y, blasts[i].z);
            SpawnExplosion(at, 2.0f);
        }
        picture = Frame(craft);
    }
    EXPECT_TRUE(d3d9::SavePng((ScreenshotDir() / "effects.png").string(), picture));

    for (const makedata::Vec3& blast : blasts) EXPECT_GT(Changed(picture, blast, 10), 21 * 21 / 2) << blast.x;
    const float y = kCraftY;
    EXPECT_GT(Changed(picture, {0, y - 2, 0}, 3), 7 * 7 / 2) << "the flame";
    for (float x : {-0.2f, 0.2f})
        for (float height : {2.0f, 10.0f, 18.0f})
            EXPECT_GT(Changed(picture, {x, y + height, 0}, 1), 0) << "the beam at " << x << ", " << height;
    EXPECT_EQ(Changed(picture, {0, y + 22, 0}, 1), 0) << "the beam ends at its head";
}
