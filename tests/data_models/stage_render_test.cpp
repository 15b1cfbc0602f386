// The stage and the boss fight as the stage camera shows them, drawn through the OpenGL
// device with the game's start-up states, model loading and model drawing; saved under
// build/screens for a look, and probed where each model has to show.
#include <deque>
#include <vector>

#include "d3d9/gl_render_fixture.h"
#include "graphics/models.h"
#include "graphics/release_model.h"
#include "scene_math.h"
#include "shell/startup.h"
#include "support/screens.h"

using namespace makedata;

namespace {

constexpr D3DCOLOR kStageBlue = 0xFF0000FF;  // the stage frame's clear colour

// Half the pixels within `reach` of a point.
int HalfBox(int reach) { return (2 * reach + 1) * (2 * reach + 1) / 2; }

int Channel(uint32_t pixel, int shift) { return int(pixel >> shift & 0xFF); }

// How many pixels within `reach` of the world point's picture pass `test` (the pixel
// drawn, the backdrop's pixel).
template <class Test>
int CountAround(const d3d9::Picture& picture, const d3d9::Picture& backdrop, Vec3 world, int reach, Test test)
{
    const Vec3 centre = scene::StagePixel(world);
    int count = 0;
    for (int y = int(centre.y) - reach; y <= int(centre.y) + reach; ++y) {
        for (int x = int(centre.x) - reach; x <= int(centre.x) + reach; ++x) {
            if (x < 0 || y < 0 || x >= int(picture.width) || y >= int(picture.height)) continue;
            count += test(picture.At(x, y), backdrop.At(x, y));
        }
    }
    return count;
}

int ChangedAround(const d3d9::Picture& picture, const d3d9::Picture& backdrop, Vec3 world, int reach)
{
    return CountAround(picture, backdrop, world, reach,
                       [](uint32_t drawn, uint32_t before) { return !render_test::Near(drawn, before, 24); });
}

class StageRenderTest : public render_test::GlRenderTest {
protected:
    void SetUp() override
    {
        GlRenderTest::SetUp();
        if (IsSkipped()) return;
        g_device = device_;
        SetupRenderStates();
        const D3DXMATRIX view = scene::StageView(), projection = scene::StageProjection();
        device_->SetTransform(D3DTS_VIEW, &view);
        device_->SetTransform(D3DTS_PROJECTION, &projection);
        for (int i = 0; i < 2; ++i) walls_.push_back(&Place(kWall, {0, kWallLength * float(i), kWallDepth}));
        sky_ = &Place(kSky, {0, 0, 0});
    }

    void TearDown() override
    {
        for (GameObject& object : objects_) ReleaseModel(object);
        g_device = nullptr;
        GlRenderTest::TearDown();
    }

    // Loaded as the stage loading loads it, at this place and turn.
    GameObject& Place(const ModelSpec& spec, Vec3 pos, Vec3 rot = {kLoadRotationX, 0, 0})
    {
        GameObject& object = objects_.emplace_back();
        const D3DXVECTOR3 position(pos.x, pos.y, pos.z), rotation(rot.x, rot.y, rot.z),
            scale(spec.scale, spec.scale, spec.scale);
        EXPECT_EQ(LoadModel(&object, spec.file, &position, &rotation, &scale, spec.colour), 0) << spec.file;
        return object;
    }

    // One frame in the stage frame's order: walls, sky, then the rest as given.
    d3d9::Picture Draw(const std::vector<GameObject*>& rest)
    {
        ClearTo(kStageBlue);
        EXPECT_EQ(device_->BeginScene(), D3D_OK);
        for (GameObject* wall : walls_) DrawModel(wall);
        DrawModel(sky_);
        for (GameObject* object : rest) DrawModel(object);
        device_->EndScene();
        return Shot();
    }

    std::deque<GameObject> objects_;
    std::vector<GameObject*> walls_;
    GameObject* sky_ = nullptr;
};

}  // namespace

TEST_F(StageRenderTest, StageShowsTheCraftEveryEnemyAndWhatTheyFire)
{
    const d3d9::Picture backdrop = Draw({});
    int clear = 0, dark = 0;
    for (uint32_t pixel : backdrop.pixels) {
        clear += render_test::Near(pixel, kStageBlue, 8);
        dark += render_test::Near(pixel, 0xFF000000, 8);
    }
    EXPECT_EQ(clear, 0) << "the sky and the walls leave the clear colour showing";
    EXPECT_LT(dark, int(backdrop.pixels.size()) / 10) << "the sky is unlit";

    const Vec3 craftAt = {0, kCraftMinY, 0};
    std::vector<GameObject*> drawn;
    std::vector<Vec3> enemiesAt, projectilesAt = {{-6, 0, 0}, {-2, 0, 0}, {2, 0, 0}, {6, 0, 0}};
    drawn.push_back(&Place(kShot, projectilesAt[0]));
    drawn.push_back(&Place(kMissile, projectilesAt[1]));
    for (int type = 0; type < 7; ++type) {
        enemiesAt.push_back({-10.5f + 3.5f * float(type), type % 2 ? 10.0f : 12.5f, 0});
        drawn.push_back(&Place(kEnemies[type], enemiesAt.back()));
    }
    drawn.push_back(&Place(kEnemyShot, projectilesAt[2]));
    drawn.push_back(&Place(kBossBomb, projectilesAt[3]));
    drawn.push_back(&Place(kCraft, craftAt));
    const d3d9::Picture stage = Draw(drawn);
    EXPECT_TRUE(d3d9::SavePng(ScreenshotPath("stage.png"), stage));

    // The craft sits at the bottom centre of the view, large enough to steer.
    const Vec3 craft = scene::StagePixel(craftAt);
    EXPECT_NEAR(craft.x, kScreenWidth / 2, 1.0f);
    EXPECT_GT(craft.y, kScreenHeight * 3 / 4);
    EXPECT_GT(ChangedAround(stage, backdrop, craftAt, 12), HalfBox(12));
    for (int type = 0; type < 7; ++type)
        EXPECT_GT(ChangedAround(stage, backdrop, enemiesAt[type], 6), HalfBox(6)) << "enemy type " << type;
    for (size_t i = 0; i < projectilesAt.size(); ++i)
        EXPECT_GT(ChangedAround(stage, backdrop, projectilesAt[i], 2), HalfBox(2)) << "projectile " << i;
    // The missile is drawn see-through in red: it reddens what lies behind it.
    EXPECT_GT(CountAround(stage, backdrop, projectilesAt[1], 3,
                          [](uint32_t drawn, uint32_t before) {
                              return Channel(drawn, 16) > Channel(before, 16) + 40 &&
                                     Channel(drawn, 0) < Channel(before, 0);
                          }),
              HalfBox(3));
}

// In the fight the walls stand three times as far apart and the boss hangs over the play,
// turned round once by its entry and once more by the end of its rise.
TEST_F(StageRenderTest, BossFightShowsTheBossBetweenTheWidenedWalls)
{
    for (GameObject* wall : walls_) wall->scale.x *= kBossWallScaleX;
    const d3d9::Picture backdrop = Draw({});
    const Vec3 bossAt = {0, kBossFightY, 0};
    GameObject& boss = Place(kBoss, bossAt, {kLoadRotationX, 0, 180.0f + 180.0f});
    const Vec3 bombAt = {0, kBossFightY - kBossBombDrop - 1.0f, 0};
    const d3d9::Picture fight = Draw({&boss, &Place(kBossBomb, bombAt), &Place(kCraft, {0, kCraftMinY, 0})});
    EXPECT_TRUE(d3d9::SavePng(ScreenshotPath("boss.png"), fight));

    EXPECT_GT(ChangedAround(fight, backdrop, bossAt, 20), HalfBox(20));
    for (float side : {-1.0f, 1.0f}) {
        const Vec3 pod = {side * (kBossFlankInner + kBossFlankReach * 0.5f), kBossFightY, 0};
        EXPECT_GT(ChangedAround(fight, backdrop, pod, 8), HalfBox(8)) << "the pod at x " << pod.x;
    }
    EXPECT_GT(ChangedAround(fight, backdrop, bombAt, 4), HalfBox(4));
}
