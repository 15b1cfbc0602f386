// The boss fight on the stand-ins: the phases' frame counts, the attack walk and its
// volleys, the hits on the boss's flanks, the laser, the touch, the G key, the timetable
// read in text mode, and a craft lost in the fight.
#include <bit>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <limits>
#include <vector>

#include "game/ending.h"
#include "game/play_fixture.h"

namespace {

class BossFrameTest : public PlayTest {
protected:
    void SetUp() override
    {
        PlayTest::SetUp();
        g_world.player.timer = 5700.5f;  // the stage's last value
        GiveBox(g_world.boss);
    }

    // The boss entry, run in a folder of its own whose timetable holds these bytes, or
    // that has none.
    static void EnterFight(const std::vector<uint8_t>* timetable)
    {
        namespace fs = std::filesystem;
        const fs::path home = fs::current_path();
        const fs::path folder = fs::temp_directory_path() / ("veltrane-boss-" + std::to_string(getpid()));
        fs::remove_all(folder);
        fs::create_directories(folder / "DATA");
        if (timetable)
            std::ofstream(folder / "DATA" / "PatAt.kfc", std::ios::binary)
                .write(reinterpret_cast<const char*>(timetable->data()), std::streamsize(timetable->size()));
        fs::current_path(folder);
        EnterBossPhase();
        fs::current_path(home);
        fs::remove_all(folder);
        ReleaseTune();
    }

    // The fight already under way in this phase, the boss where the test puts it.
    static void Fight(uint8_t phase, D3DXVECTOR3 bossPos, float bossLife = 100.0f)
    {
        g_sceneFunc = BossFrame;
        g_bossPhase = phase;
        g_world.boss.pos = bossPos;
        g_world.boss.life = bossLife;
        g_world.boss.state = 1;
    }

    static int Placed(const uint8_t (&before)[40])
    {
        int placed = 0;
        for (int i = 0; i < 40; ++i) placed += before[i] == 0 && g_world.bossBombs[i].state == 1;
        return placed;
    }

    static D3DMATRIX StageView()
    {
        const D3DMATRIX now = fake::Device().Transform(D3DTS_VIEW);
        SetStageCamera();
        const D3DMATRIX stage = fake::Device().Transform(D3DTS_VIEW);
        g_device->SetTransform(D3DTS_VIEW, &now);
        return stage;
    }
};

void Append(std::vector<uint8_t>& bytes, const void* value, size_t size)
{
    const auto* first = static_cast<const uint8_t*>(value);
    bytes.insert(bytes.end(), first, first + size);
}

std::vector<uint8_t> Timetable(int32_t count, const std::vector<std::pair<float, uint8_t>>& records)
{
    std::vector<uint8_t> bytes;
    Append(bytes, &count, 4);
    for (const auto& [time, type] : records) {
        const float unused = 0.0f;
        Append(bytes, &unused, 4);
        Append(bytes, &time, 4);
        Append(bytes, &type, 1);
    }
    return bytes;
}

TEST_F(BossFrameTest, TheBossRisesIn580FramesAndDescendsIn525FillingItsLifeIn240To1200WhereItStays)
{
    g_world.walls[0].scale = g_world.walls[1].scale = D3DXVECTOR3(1.0f, 1.0f, 1.0f);
    EnterFight(nullptr);
    EXPECT_EQ(g_sceneFunc, BossFrame);
    EXPECT_EQ(g_world.walls[1].scale.x, 3.0f);
    EXPECT_EQ(g_world.boss.pos, D3DXVECTOR3(10.0f, -120.0f, -70.0f));
    EXPECT_EQ(g_world.boss.rot.z, 180.0f);
    int rise = 0, descent = 0, filled = 0;
    while (g_bossPhase == 0 && rise < 1000) {
        BossFrame();
        ++rise;
    }
    EXPECT_EQ(rise, 580);
    EXPECT_EQ(g_world.boss.pos, D3DXVECTOR3(0.0f, 30.0f, 0.0f));
    EXPECT_EQ(g_world.boss.rot.z, 360.0f);
    while (g_bossPhase == 1 && descent < 1000) {
        EXPECT_EQ(g_world.player.timer, 5700.5f) << "the timer stands still while the boss comes";
        BossFrame();
        ++descent;
        if (g_world.boss.life == 1200.0f && filled == 0) filled = descent;
    }
    EXPECT_EQ(descent, 525);
    EXPECT_EQ(filled, 240);
    EXPECT_EQ(g_world.boss.life, 1200.0f);
    EXPECT_EQ(g_world.boss.pos.y, 9.0f);
    EXPECT_EQ(g_world.player.timer, 1.0f);
}

TEST_F(BossFrameTest, TheEndingIsStoredByThe751stFrameAfterTheBurst)
{
    Fight(3, {0.0f, 9.0f, 11.98f}, -1.0f);
    BossFrame();
    ASSERT_EQ(g_bossPhase, 4);
    EXPECT_EQ(g_world.boss.state, 0);
    EXPECT_EQ(g_world.player.timer, 1.0f);
    EXPECT_EQ(g_explosionActive[0], 1);
    EXPECT_EQ(g_explosionWorld[0]._11, 5.0f);
    EXPECT_EQ(g_explosionWorld[0]._43, g_world.boss.pos.z);
    int after = 0;
    while (g_sceneFunc == BossFrame && after < 2000) {
        BossFrame();
        ++after;
    }
    EXPECT_EQ(after, 751);
    EXPECT_EQ(g_sceneFunc, EnterEnding);
}

TEST_F(BossFrameTest, VolleysFireOnTheExactTimerElevenBombsAtMost)
{
    const struct {
        uint8_t phase;
        float timer;
        std::vector<AttackPatternEntry> entries;
        D3DXVECTOR3 boss;
        int busy;                 // bomb slots in flight before the first frame, from slot 0 on
        std::vector<int> placed;  // per frame
    } cases[] = {
        {0, 5700.5f, {{0, 5700.5f}}, {0, 10, -70}, 0, {11, 11, 11}},  // the frozen timer fires every frame
        {1, 5700.5f, {{0, 5700.5f}}, {0, 20, 0}, 0, {11, 11}},
        {1, 5700.5f, {{0, 5700.5f}, {0, 5700.5f}}, {0, 20, 0}, 0, {22, 18, 0}},  // the second takes further slots
        {1, 5700.5f, {{0, 5700.5f}}, {0, 20, 0}, 35, {5, 0}},
        {0, 5700.5f, {{1, 5700.5f}, {0, 5700.0f}}, {0, 10, -70}, 0, {0}},
        {3, 5700.5f, {{0, 5700.5f}}, {0, 9, 0}, 0, {0}},
    };
    for (const auto& c : cases) {
        Restart();
        g_world.player.timer = c.timer;
        Fight(c.phase, c.boss, c.phase == 3 ? -1.0f : 100.0f);
        for (size_t i = 0; i < c.entries.size(); ++i) g_attackPatterns[i] = c.entries[i];
        for (int i = 0; i < c.busy; ++i) {
            g_world.bossBombs[i].state = 1;
            g_world.bossBombs[i].pos = D3DXVECTOR3(0.0f, 5.0f, 0.0f);
        }
        std::vector<int> placed;
        for (size_t frame = 0; frame < c.placed.size(); ++frame) {
            uint8_t before[40];
            for (int i = 0; i < 40; ++i) before[i] = g_world.bossBombs[i].state;
            BossFrame();
            placed.push_back(Placed(before));
        }
        EXPECT_EQ(placed, c.placed) << int(c.phase) << " " << c.entries.size() << " " << c.busy;
        if (c.busy == 35) {
            EXPECT_EQ(g_world.bossBombs[39].state, 1) << "the lowest free slots are the last ones";
        }
    }
}

TEST_F(BossFrameTest, InTheFightAnEntryFiresOnceInTheFrameItsTimeCounts)
{
    g_world.player.timer = 1.0f;  // as the first frame of the fight sees it
    Fight(2, {0.0f, 9.0f, 0.0f});
    g_attackPatterns[0] = {0, 30.0f};  // the file's 1.5
    g_attackPatterns[1] = {0, 30.5f};
    g_attackPatterns[2] = {0, 0.0f};
    std::vector<int> firing;
    for (int frame = 1; frame <= 40; ++frame) {
        uint8_t before[40];
        for (int i = 0; i < 40; ++i) before[i] = g_world.bossBombs[i].state;
        BossFrame();
        if (Placed(before) > 0) firing.push_back(frame);
    }
    EXPECT_EQ(firing, std::vector<int>{30});
}

TEST_F(BossFrameTest, AVolleyLeavesOnePointOnOneHeadingAndStretchesByRank)
{
    Fight(1, {4.0f, 20.0f, 0.0f});
    g_attackPatterns[0] = {0, 5700.5f};
    g_world.player.pos = D3DXVECTOR3(-4.0f, -10.8f, 0.0f);
    BossFrame();
    const D3DXVECTOR3 start(4.0f, 14.0f, 0.0f);
    const float heading = g_world.bossBombs[0].rot.z;
    EXPECT_NEAR(heading, -17.878f, 0.001f);  // toward the craft, down and to the left
    for (int k = 0; k < 11; ++k) {
        const GameObject& bomb = g_world.bossBombs[k];
        const D3DXVECTOR3 moved = bomb.pos - start;
        EXPECT_EQ(bomb.rot.z, heading) << k;
        EXPECT_NEAR(D3DXVec3Length(&moved), 0.05f * float(k + 1), 1e-5f) << k;
    }
    EXPECT_EQ(g_world.bossBombs[11].state, 0);
}

TEST_F(BossFrameTest, ShotsAndMissilesHitTheFlanksOnlyAlongTheirRays)
{
    const struct {
        bool missile;
        float side, reach;  // the projectile's centre this far beyond the flank's start
        float bossZ;
        uint8_t phase, phaseAfter;
        bool hit;
    } cases[] = {
        {false, -1, 3.5f, 0, 2, 2, true},    {false, 1, 3.5f, 0, 2, 2, true},   {false, -1, 4.5f, 0, 2, 2, false},
        {false, 1, 4.5f, 0, 2, 2, false},    {false, -1, -5.5f, 0, 2, 2, false},  // between the flanks
        {false, -1, 3.5f, -70, 0, 3, true},  // in the rise, far back: its life of 0 goes below 0
        {false, 1, 3.5f, 0, 3, 3, false},    {true, -1, 3.5f, 0, 2, 2, true},   {true, 1, 3.5f, 0, 2, 2, true},
        {true, 1, 4.5f, 0, 2, 2, false},
    };
    for (const auto& c : cases) {
        Restart();
        const float life = c.phase == 0 ? 0.0f : 100.0f;
        Fight(c.phase, {0.0f, 9.0f, c.bossZ}, life);
        GameObject& projectile = c.missile ? g_world.missiles[0] : g_world.playerShots[0];
        GiveBox(projectile);
        projectile.state = 1;
        projectile.pos = D3DXVECTOR3(c.side * (5.5f + c.reach), c.missile ? 8.6f : 8.7f, 0.0f);
        BossFrame();
        const int worth = c.missile ? 10 : 1;
        EXPECT_EQ(projectile.state, c.hit ? 0 : 1) << c.missile << c.side << c.reach;
        EXPECT_EQ(g_world.boss.life, c.hit ? life - float(worth) : life) << c.missile << c.side << c.reach;
        EXPECT_EQ(g_energy, c.hit ? worth : 0);
        EXPECT_EQ(g_bossPhase, c.phaseAfter);
        EXPECT_EQ(Plays("bossdie"), c.hit && !c.missile ? 1u : 0u);
        EXPECT_EQ(g_explosionActive[0], c.hit ? 1 : 0);
        if (c.hit) {
            EXPECT_EQ(g_explosionWorld[0]._11, c.missile ? 2.0f : 1.0f);
            EXPECT_EQ(g_explosionWorld[0]._41, projectile.pos.x);
        }
    }
}

TEST_F(BossFrameTest, TheLaserTakesThreeQuartersAFrameWithinReachUntilTheBossDies)
{
    const struct {
        uint8_t phase;
        bool laser;
        float bossY;  // its lowest face one below
        float loss;
    } cases[] = {{2, true, 20.5f, 0.75f}, {2, true, 22.5f, 0.0f}, {3, true, 20.5f, 0.0f}, {2, false, 20.5f, 0.0f}};
    for (const auto& c : cases) {
        Restart();
        Fight(c.phase, {0.0f, c.bossY, 0.0f});
        g_laserActive = c.laser;
        BossFrame();
        EXPECT_EQ(g_world.boss.life, 100.0f - c.loss) << int(c.phase) << c.laser << c.bossY;
        EXPECT_EQ(Plays("laser"), c.laser ? 1u : 0u);
    }
}

TEST_F(BossFrameTest, TheBossTouchingTheCraftHurtsItAndShowsItTwiceInAnyPhase)
{
    const struct {
        uint8_t phase, bossState, craftState;
        bool hurt;
    } cases[] = {{2, 1, 1, true}, {3, 1, 1, true}, {4, 1, 1, true}, {2, 0, 1, false}, {2, 1, 0, false}};
    for (const auto& c : cases) {
        Restart();
        g_world.player.timer = 0.0f;
        Fight(c.phase, {0.0f, -10.0f, 0.0f});
        g_world.boss.state = c.bossState;
        GameObject& craft = g_world.player;
        GiveBox(craft);
        craft.state = c.craftState;
        BossFrame();
        EXPECT_EQ(craft.life, c.hurt ? 87.0f - 0.05f : 87.0f) << int(c.phase) << int(c.bossState);
        EXPECT_EQ(Plays("damage"), c.hurt ? 1u : 0u);
        EXPECT_EQ(DrawsAt(craft.pos), c.craftState == 0 ? 0 : c.hurt ? 2 : 1);
    }
}

TEST_F(BossFrameTest, GEndsTheFightFromEveryPhaseButADyingBossGoesOnDying)
{
    const struct {
        uint8_t phase;
        D3DXVECTOR3 boss;
        float life, timer;
        uint8_t phaseAfter;
        SceneFunc sceneAfter;
        float bossMoved;  // in z, in the frame after G
    } cases[] = {
        {0, {10, -120, -70}, 0.0f, 5700.5f, 4, EnterEnding, 0.0f},
        {1, {0, 30, 0}, 0.0f, 5700.5f, 4, EnterEnding, 0.0f},
        {2, {0, 9, 0}, 100.0f, 100.0f, 4, BossFrame, 0.0f},
        {3, {0, 9, 0}, -5.0f, 100.0f, 3, BossFrame, 0.05f},
    };
    for (const auto& c : cases) {
        Restart();
        g_world.player.timer = c.timer;
        Fight(c.phase, c.boss, c.life);
        fake::PressKey('G');
        BossFrame();
        EXPECT_EQ(g_bossPhase, 4) << int(c.phase);
        fake::ReleaseKey('G');
        const D3DXVECTOR3 before = g_world.boss.pos;
        const float timer = g_world.player.timer;
        BossFrame();
        EXPECT_EQ(g_bossPhase, c.phaseAfter) << int(c.phase);
        EXPECT_EQ(g_sceneFunc, c.sceneAfter) << int(c.phase);
        EXPECT_EQ(g_world.boss.state, 1);
        EXPECT_FLOAT_EQ(g_world.boss.pos.z - before.z, c.bossMoved) << int(c.phase);
        EXPECT_EQ(g_world.boss.pos.y, before.y);
        if (c.phase == 2) {
            EXPECT_EQ(g_world.player.timer, timer + 2.0f);
        }
    }
}

// Every record up to the count (at most the table's 100) is read, whole or not: a field cut
// off by the end of the data keeps the bytes it got, so a record missing only its type
// byte is a volley.
TEST_F(BossFrameTest, TheTimetableIsReadInTextModeEveryRecordUpToTheCountAtMost100)
{
    std::vector<std::pair<float, uint8_t>> many;
    for (int i = 0; i < 150; ++i) many.push_back({float(i + 1), uint8_t(i % 3)});
    std::vector<uint8_t> translated = Timetable(2, {{8.625f, 4}, {1.5f, 0x1A}});  // 8.625 holds a byte 0x0A
    translated.insert(translated.begin() + 10, 0x0D);                            // stored as CR LF
    std::vector<uint8_t> cut = Timetable(5, {{1.0f, 0}, {2.0f, 1}, {2.5f, 0}});
    cut[4 + 18 + 4] = 0x55;  // the third time's low bytes, then the file ends
    cut.resize(4 + 18 + 6);
    std::vector<uint8_t> noType = Timetable(1, {{1.5f, 2}});
    noType.pop_back();
    const float nan = std::numeric_limits<float>::quiet_NaN(), inf = std::numeric_limits<float>::infinity();
    const float cutTime = std::bit_cast<float>(0x55u) * 20.0f;

    const struct {
        const char* name;
        std::vector<uint8_t> bytes;
        std::vector<AttackPatternEntry> entries;  // the rest all zero
    } cases[] = {
        {"count 150", Timetable(150, many), {}},
        {"text mode, 0x1A as the last type", translated, {{4, 172.5f}, {0, 30.0f}}},
        {"cut inside a time", cut, {{0, 20.0f}, {1, 40.0f}, {0, cutTime}}},
        {"type byte missing", noType, {{0, 30.0f}}},
        {"not finite", Timetable(4, {{1.0f, 0}, {nan, 0}, {-inf, 0}, {2.0f, 2}}), {{0, 20.0f}, {0, nan}, {0, -inf}, {2, 40.0f}}},
    };
    for (const auto& c : cases) {
        Restart();
        std::vector<AttackPatternEntry> expected = c.entries;
        if (std::string(c.name) == "count 150")
            for (int i = 0; i < 100; ++i) expected.push_back({uint8_t(i % 3), float(i + 1) * 20.0f});
        expected.resize(100, AttackPatternEntry{});
        EnterFight(&c.bytes);
        for (int i = 0; i < 100; ++i) {
            EXPECT_EQ(g_attackPatterns[i].type, expected[i].type) << c.name << " entry " << i;
            EXPECT_EQ(std::bit_cast<uint32_t>(g_attackPatterns[i].time), std::bit_cast<uint32_t>(expected[i].time))
                << c.name << " entry " << i;
        }
        EXPECT_EQ(g_sceneFunc, BossFrame) << c.name;
    }
}

TEST_F(BossFrameTest, ACraftLostInTheFightGoesToTheEndingUnderTheStageCamera)
{
    const struct {
        uint8_t phase;
        D3DXVECTOR3 boss;
        float timer;
    } cases[] = {{0, {10, -120, -70}, 5700.5f}, {2, {0, 9, 0}, 10.0f}, {4, {0, 9, 0}, 1500.0f}};
    for (const auto& c : cases) {
        Restart();
        g_world.player.timer = c.timer;
        Fight(c.phase, c.boss);
        GameObject& craft = g_world.player;
        craft.state = 2;
        craft.pos.z = 9.96f;
        g_laserActive = 1;
        BossFrame();
        EXPECT_EQ(g_sceneFunc, EndingFrame) << int(c.phase);
        EXPECT_EQ(craft.state, 0);
        EXPECT_EQ(craft.life, 1.0f);
        EXPECT_EQ(g_laserActive, 0);
        EXPECT_EQ(Plays("laser"), 0u);
        EXPECT_EQ(g_explosionWorld[0]._11, 2.0f);
        EXPECT_NEAR(g_explosionWorld[0]._43, 10.0f, 0.02f);
        const D3DMATRIX view = fake::Device().Transform(D3DTS_VIEW);
        const D3DMATRIX stage = StageView();
        EXPECT_EQ(std::memcmp(&view, &stage, sizeof view), 0) << int(c.phase);
    }
}

TEST_F(BossFrameTest, ABombTouchingTheCraftTakesTwoWhereItsUpdateLeftItEvenRetired)
{
    const struct {
        D3DXVECTOR3 bomb, craft;
        bool hit;
    } cases[] = {
        {{0.0f, -9.5f, 0.0f}, {0.0f, -10.8f, 0.0f}, true},
        {{0.0f, -7.5f, 0.0f}, {0.0f, -10.8f, 0.0f}, false},  // its box, tumbling, lies beyond 2 up the ray
        {{20.0f, 0.0f, 0.0f}, {0.0f, -1.5f, 0.0f}, true},    // out of the play box: freed at the origin
    };
    for (const auto& c : cases) {
        Restart();
        Fight(2, {0.0f, 9.0f, 0.0f});
        GameObject& bomb = g_world.bossBombs[0];
        GiveBox(bomb);
        bomb.state = 1;
        bomb.pos = c.bomb;
        g_world.player.pos = c.craft;
        BossFrame();
        EXPECT_EQ(g_world.player.life, c.hit ? 85.0f : 87.0f) << c.bomb.x << ", " << c.bomb.y;
        EXPECT_EQ(bomb.state, c.hit ? 0 : 1);
        EXPECT_EQ(Plays("bossdie"), c.hit ? 1u : 0u);
        EXPECT_EQ(g_explosionWorld[0]._11, c.hit ? 1.0f : 0.0f);
    }
}

TEST_F(BossFrameTest, TheBossMovesOnInAFrameThatCannotBeginItsScene)
{
    Fight(0, {10.0f, -120.0f, -70.0f});
    fake::FailBeginScene({0});
    BossFrame();
    EXPECT_EQ(fake::CallsStartingWith("EndScene").size(), 0u);
    EXPECT_EQ(g_world.boss.pos.y, -119.5f);
}

TEST_F(BossFrameTest, ACraftLifeOfExactlyZeroStartsTheDeathSpin)
{
    Fight(2, {0.0f, 9.0f, 0.0f});
    g_world.player.life = 0.0f;
    BossFrame();
    EXPECT_EQ(g_world.player.state, 2);
}

}  // namespace
