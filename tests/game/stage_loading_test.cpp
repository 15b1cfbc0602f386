// LoadStage on the stand-ins with the real models: the loading bars' whole sequence, every
// starting value it leaves in g_world, the glyph tables, the stage tune, and the worked
// timetable of three records.
#include <gtest/gtest.h>

#include <cmath>

#include "game/energy.h"
#include "game/stage.h"
#include "stage_fixture.h"

namespace {

using StageLoadingTest = StageFixture;

// Every loading frame of LoadStage, the timetable's lower-bar widths in their place.
std::vector<std::pair<int, int>> LoadingBars(const std::vector<int>& timetable)
{
    std::vector<std::pair<int, int>> bars = {{0, 0}, {49, 0}, {49, 392}, {98, 0}};
    // One frame per pool slot copied, the lower bar a step longer each time.
    auto copies = [&bars](int barA, int step, int count) {
        for (int copy = 1; copy <= count; ++copy) bars.emplace_back(barA, step * copy);
    };
    copies(98, 26, 14);
    copies(98, 35, 10);
    bars.emplace_back(147, 0);
    copies(147, 7, 49);
    bars.emplace_back(196, 0);
    copies(196, 9, 39);
    bars.emplace_back(245, 0);
    for (int barB : timetable) bars.emplace_back(245, barB);
    bars.emplace_back(392, 0);
    return bars;
}

bool SameBytes(const GameObject& a, const GameObject& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

void ExpectVector(const D3DXVECTOR3& v, float x, float y, float z)
{
    EXPECT_EQ(v.x, x);
    EXPECT_EQ(v.y, y);
    EXPECT_EQ(v.z, z);
}

}  // namespace

TEST_F(StageLoadingTest, WorkedTimetableFillsTwoSlotsBehindTheWholeBarSequence)
{
    WriteTimetable(Timetable(3, {{9.0f, 2.0f, 0}, {9.0f, 2.0f, 5}, {1.0f, 0.0f, 7}}));
    for (int8_t& digit : g_energyDigits) digit = 7;
    LoadStage();

    EXPECT_EQ(Bars(), LoadingBars({130, 260, 390}));
    EXPECT_EQ(fake::Frame(), int(LoadingBars({130, 260, 390}).size()));
    EXPECT_EQ(g_sceneFunc, BuildEffectQuads);
    EXPECT_EQ(g_stageEnemyCount, 3);
    for (int8_t digit : g_energyDigits) EXPECT_EQ(digit, 0);

    const GameWorld& w = g_world;
    const GameObject& first = w.enemies[0];
    EXPECT_EQ(first.mesh, w.enemyTemplates[0].mesh);
    EXPECT_NE(first.mesh, nullptr);
    EXPECT_EQ(first.radiusFactor, w.enemyTemplates[0].radiusFactor);
    ExpectVector(first.rot, -90, 0, 0);
    ExpectVector(first.pos, 0, 16.5f, 0);
    EXPECT_EQ(first.life, 2.0f);
    EXPECT_EQ(first.fireInterval, 50);
    EXPECT_EQ(first.timer, 30.0f);
    EXPECT_EQ(first.type, 0);
    EXPECT_EQ(first.state, 0);

    const GameObject& second = w.enemies[1];
    EXPECT_EQ(second.mesh, w.enemyTemplates[5].mesh);
    ExpectVector(second.pos, 0, 4.6f, -10);
    EXPECT_EQ(second.life, 1.0f);
    EXPECT_EQ(second.fireInterval, 0);
    EXPECT_EQ(second.timer, 30.0f);
    EXPECT_EQ(second.type, 5);
    EXPECT_EQ(second.state, 0);

    // Type 7 fills nothing.
    EXPECT_TRUE(SameBytes(w.enemies[2], GameObject()));
    EXPECT_EQ(g_enemySlotFilled[0], 1);
    EXPECT_EQ(g_enemySlotFilled[1], 1);
    EXPECT_EQ(g_enemySlotFilled[2], 0);
    for (int slot = 3; slot < 381; ++slot) ASSERT_EQ(g_enemySlotFilled[slot], 0) << slot;
}

TEST_F(StageLoadingTest, EveryStartingValueOfTheWorld)
{
    LoadStage();  // no timetable: nothing but the models
    const GameWorld& w = g_world;
    struct Row {
        const char* name;
        const GameObject* object;
        D3DXVECTOR3 pos, scale;
        float colour[4];
        float radiusFactor;  // s times scale.z; 0 without a sphere
        uint8_t state;
        float life;
    };
    const D3DXVECTOR3 o(0, 0, 0), one(1, 1, 1);
    const Row rows[] = {
        {"wall 0", &w.walls[0], {0, 0, 5}, one, {0.8f, 0.8f, 0.8f, 1}, 0, 1, 0},
        {"wall 1", &w.walls[1], {0, 470, 5}, one, {0.8f, 0.8f, 0.8f, 1}, 0, 1, 0},
        {"sky", &w.sky, o, {80, 80, 80}, {0.8f, 0.8f, 0.8f, 1}, 0, 0, 0},
        {"player", &w.player, {0, -10.8f, 0}, {0.5f, 0.5f, 0.5f}, {1, 1, 1, 1}, 0.25f, 1, 87},
        {"player shot", &w.playerShots[0], o, one, {1, 1, 1, 1}, 1, 0, 0},
        {"missile", &w.missiles[0], o, one, {1, 0, 0, 0.4f}, 0.5f, 0, 0},
        {"enemy shot", &w.enemyShots[0], o, {0.2f, 0.2f, 0.2f}, {1, 1, 1, 1}, 0.2f, 0, 0},
        {"boss bomb", &w.bossBombs[0], o, one, {1, 1, 1, 0.5f}, 1, 0, 0},
        {"template 0", &w.enemyTemplates[0], o, one, {1, 1, 1, 1}, 1, 0, 0},
        {"template 1", &w.enemyTemplates[1], o, one, {1, 1, 1, 1}, 1, 0, 0},
        {"template 2", &w.enemyTemplates[2], o, one, {1, 1, 1, 1}, 1, 0, 0},
        {"template 3", &w.enemyTemplates[3], o, one, {1, 1, 1, 1}, 0.8f, 0, 0},
        {"template 4", &w.enemyTemplates[4], o, one, {1, 1, 1, 1}, 0.5f, 0, 0},
        {"template 5", &w.enemyTemplates[5], o, one, {1, 1, 1, 1}, 1, 0, 0},
        {"template 6", &w.enemyTemplates[6], o, one, {1, 1, 1, 1}, 1, 0, 0},
        {"boss", &w.boss, o, one, {1, 1, 1, 1}, 0, 0, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const GameObject& object = *row.object;
        EXPECT_NE(object.mesh, nullptr);
        ExpectVector(object.pos, row.pos.x, row.pos.y, row.pos.z);
        ExpectVector(object.rot, -90, 0, 0);
        ExpectVector(object.scale, row.scale.x, row.scale.y, row.scale.z);
        for (int i = 0; i < 4; ++i) EXPECT_EQ(object.colour[i], row.colour[i]) << i;
        EXPECT_FLOAT_EQ(object.radiusFactor, row.radiusFactor);
        EXPECT_EQ(object.sphereMesh != nullptr, row.radiusFactor != 0);
        EXPECT_EQ(object.state, row.state);
        EXPECT_EQ(object.life, row.life);
        EXPECT_EQ(object.timer, 0.0f);
        EXPECT_EQ(object.fireInterval, 0);
    }

    // Every slot of a pool is slot 0 again, bit for bit, and waits inactive.
    const std::pair<const GameObject*, int> pools[] = {
        {w.playerShots, 15}, {w.missiles, 11}, {w.enemyShots, 50}, {w.bossBombs, 40}};
    for (const auto& [pool, count] : pools) {
        for (int i = 1; i < count; ++i) EXPECT_TRUE(SameBytes(pool[i], pool[0])) << i;
    }
    for (const GameObject& enemy : w.enemies) EXPECT_TRUE(SameBytes(enemy, GameObject()));
    EXPECT_EQ(g_stageEnemyCount, 0);

    std::vector<std::string> files;
    for (const std::string& call : fake::CallsStartingWith("D3DXLoadMeshFromXA"))
        files.push_back(call.substr(call.find("XFILE/") + 6, call.find(".x\"") - call.find("XFILE/") - 4));
    EXPECT_EQ(files, (std::vector<std::string>{"wall.x", "wall.x", "skysphere.x", "jiki.x", "tama.x", "missile.x",
                                               "EnemyTama00.x", "BossBom.x", "Enemy0.x", "Enemy1.x", "Enemy2.x",
                                               "Enemy3.x", "Enemy4.x", "Enemy5.x", "Enemy6.x", "Boss1.x"}));
    EXPECT_TRUE(fake::CallsStartingWith("MessageBoxA").empty());
}

TEST_F(StageLoadingTest, GlyphTables)
{
    LoadStage();
    const RECT labelA[4] = {{197, 0, 213, 26}, {149, 0, 160, 26}, {90, 0, 106, 26}, {74, 0, 89, 26}};
    const RECT labelB[5] = {{99, 27, 113, 53}, {37, 0, 52, 26}, {22, 27, 39, 53}, {80, 27, 98, 53}, {74, 0, 89, 26}};
    const LONG digitEdges[11] = {0, 15, 26, 42, 56, 72, 87, 102, 117, 131, 146};  // left edges, one past the last
    for (int i = 0; i < 4; ++i) EXPECT_EQ(std::memcmp(&g_glyphRectsA[i], &labelA[i], sizeof(RECT)), 0) << i;
    for (int i = 0; i < 5; ++i) EXPECT_EQ(std::memcmp(&g_glyphRectsB[i], &labelB[i], sizeof(RECT)), 0) << i;
    for (int d = 0; d < 10; ++d) {
        // Each digit cell ends one pixel before the next begins.
        const RECT expected = {digitEdges[d], 128, digitEdges[d + 1] - 1, 148};
        EXPECT_EQ(std::memcmp(&g_digitRects[d], &expected, sizeof(RECT)), 0) << d;
    }
}

TEST_F(StageLoadingTest, StageTuneReplacesTheTitleTuneAfterTheLastBar)
{
    PlayMidi("title.mid", 0, 1);
    tunes_.Keep();
    fake::ClearCalls();
    LoadStage();
    const std::vector<std::string>& calls = fake::Calls();
    const auto lastPresent = std::find(calls.rbegin(), calls.rend(), "Present(null, null, null, null)");
    const auto stop = std::find_if(calls.begin(), calls.end(), [](const std::string& call) {
        return call.rfind("Performance.StopEx(performance1", 0) == 0;
    });
    ASSERT_NE(stop, calls.end());
    EXPECT_GE(stop, lastPresent.base());  // base() is just past the last present
    const std::vector<std::string> loads = fake::CallsStartingWith("Loader.LoadObjectFromFile");
    ASSERT_EQ(loads.size(), 1u);
    EXPECT_NE(loads[0].find("stage01.mid"), std::string::npos);
    EXPECT_EQ(fake::CallsStartingWith("Segment.SetRepeats").size(), 1u);
}

TEST_F(StageLoadingTest, EffectQuadsThenTheStageEntry)
{
    BuildEffectQuads();
    EXPECT_EQ(g_sceneFunc, EnterStage);
    struct Corner {
        float x, y, u, v;
    };
    auto expectQuad = [](const EffectVertex* quad, const Corner (&corners)[4], D3DCOLOR colour) {
        for (int i = 0; i < 4; ++i) {
            SCOPED_TRACE(i);
            ExpectVector(quad[i].position, corners[i].x, corners[i].y, 0);
            EXPECT_EQ(quad[i].diffuse, colour);
            EXPECT_EQ(quad[i].uv, D3DXVECTOR2(corners[i].u, corners[i].v));
        }
    };
    for (int q = 0; q < 10; ++q) {
        SCOPED_TRACE(q);
        const float u = 80 / 1024.0f, v = 80 / 512.0f;
        expectQuad(&g_explosionQuads[4 * q], {{-2, 2, 0, 0}, {2, 2, u, 0}, {2, -2, u, v}, {-2, -2, 0, v}}, 0xFFFFFFFF);
    }
    expectQuad(g_flameQuad,
               {{-1, 1, 1 / 1024.0f, 161 / 512.0f},
                {1, 1, 23 / 1024.0f, 161 / 512.0f},
                {1, -1, 23 / 1024.0f, 198 / 512.0f},
                {-1, -1, 1 / 1024.0f, 198 / 512.0f}},
               0xFFFFFFFF);
    expectQuad(g_laserQuad,
               {{-0.1f, 0, 1 / 1024.0f, 333 / 512.0f},
                {0.1f, 0, 13 / 1024.0f, 333 / 512.0f},
                {0.1f, 0, 13 / 1024.0f, 377 / 512.0f},
                {-0.1f, 0, 1 / 1024.0f, 377 / 512.0f}},
               0x7FFFFFFF);
    for (const EffectVertex& vertex : g_laserQuad) EXPECT_FALSE(std::signbit(vertex.position.y));
}
