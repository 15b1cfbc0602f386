// The stage timetable read through the runtime's text-mode file path: the record count
// and its bounds, the lower bar's steps, the type-5 heights, the records that fill
// nothing, a file that ends early, and the bytes CR LF and 0x1A.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <limits>

#include "game/stage_timetable.h"
#include "stage_fixture.h"

namespace {

class StageTimetableTest : public StageFixture {
protected:
    void SetUp() override
    {
        StageFixture::SetUp();
        MarkTemplates();
    }

    // Templates told apart by a field, so a copy shows which one it came from.
    static void MarkTemplates()
    {
        for (int type = 0; type < 7; ++type) g_world.enemyTemplates[type].radiusFactor = float(type + 1);
    }

    static std::vector<int> LowerBars()
    {
        std::vector<int> bars;
        for (const auto& [upper, lower] : Bars()) {
            EXPECT_EQ(upper, 245);
            bars.push_back(lower);
        }
        return bars;
    }

    static int FilledSlots()
    {
        int filled = 0;
        for (uint8_t mark : g_enemySlotFilled) filled += mark;
        return filled;
    }
};

// Record k: x k mod 16, time 1000 + k, type k mod 7; no byte of these numbers is one that
// text mode changes.
std::vector<StageRecord> Records(int count)
{
    std::vector<StageRecord> records;
    for (int k = 0; k < count; ++k) records.push_back({float(k % 16), float(1000 + k), uint8_t(k % 7)});
    return records;
}

std::vector<int> Steps(int step, int count, int limit = 392)
{
    std::vector<int> bars;
    for (int k = 1; k <= count; ++k) bars.push_back(std::min(step * k, limit));
    return bars;
}

}  // namespace

TEST_F(StageTimetableTest, CountsAndTheirBarSteps)
{
    struct Case {
        const char* name;
        int32_t count;
        int records;  // in the file
        std::vector<int> bars;
        int filled;
    };
    const Case cases[] = {
        {"381: step 1", 381, 381, Steps(1, 381), 381},
        {"500: step 0, only 381 read", 500, 500, std::vector<int>(381, 0), 381},
        {"1: step 392", 1, 1, {392}, 1},
        {"3: step 130", 3, 3, {130, 260, 390}, 3},
        {"0: nothing", 0, 3, {}, 0},
        {"below 0: nothing", -4, 3, {}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ReleaseGameWorld();
        MarkTemplates();
        WriteTimetable(Timetable(c.count, Records(c.records)));
        fake::ClearCalls();
        ReadStageTimetable(245);
        EXPECT_EQ(g_stageEnemyCount, c.count);
        EXPECT_EQ(LowerBars(), c.bars);
        EXPECT_EQ(FilledSlots(), c.filled);
        for (int slot = 0; slot < 381; ++slot) {
            const GameObject& enemy = g_world.enemies[slot];
            if (slot >= c.filled) {
                ASSERT_EQ(enemy.radiusFactor, 0.0f) << slot;
                continue;
            }
            // Record k fills slot k, a copy of the template of its type.
            const int type = slot % 7;
            ASSERT_EQ(enemy.radiusFactor, float(type + 1)) << slot;
            ASSERT_EQ(enemy.type, type) << slot;
            ASSERT_EQ(enemy.pos.x, float(slot % 16) - 9) << slot;
            ASSERT_EQ(enemy.timer, float(1000 + slot) * 15) << slot;
        }
    }
}

TEST_F(StageTimetableTest, NoFileNoEnemies)
{
    g_stageEnemyCount = 12;
    ReadStageTimetable(245);
    EXPECT_TRUE(Bars().empty());
    EXPECT_EQ(FilledSlots(), 0);
    EXPECT_EQ(g_stageEnemyCount, 12);
}

TEST_F(StageTimetableTest, TypeFiveHeightsComeFromTheSlotNumber)
{
    WriteTimetable(Timetable(381, std::vector<StageRecord>(381, {9.0f, 1.0f, 5})));
    ReadStageTimetable(245);
    const float heights[] = {-10.8f, 4.6f, -5.8f, 9.6f, -0.8f, 14.6f};
    for (int slot = 0; slot < 6; ++slot) EXPECT_EQ(g_world.enemies[slot].pos.y, heights[slot]) << slot;
    float lowest = 100, highest = -100;
    for (const GameObject& enemy : g_world.enemies) {
        lowest = std::min(lowest, enemy.pos.y);
        highest = std::max(highest, enemy.pos.y);
        ASSERT_EQ(enemy.pos.z, -10.0f);
        ASSERT_EQ(enemy.life, 1.0f);
    }
    EXPECT_EQ(lowest, -10.8f);
    EXPECT_LE(highest, 14.9f);
}

TEST_F(StageTimetableTest, EachTypeGetsItsLifeAndFireInterval)
{
    WriteTimetable(Timetable(7, Records(7)));
    ReadStageTimetable(245);
    const std::pair<float, int32_t> starts[7] = {{2, 50}, {2, 50}, {5, 150}, {10, 60}, {3, 0}, {1, 0}, {20, 0}};
    for (int type = 0; type < 7; ++type) {
        SCOPED_TRACE(type);
        const GameObject& enemy = g_world.enemies[type];
        EXPECT_EQ(enemy.life, starts[type].first);
        EXPECT_EQ(enemy.fireInterval, starts[type].second);
        if (type != 5) {
            EXPECT_EQ(enemy.pos.y, 16.5f);
        }
        EXPECT_EQ(enemy.pos.z, type == 5 ? -10.0f : 0.0f);
        EXPECT_EQ(enemy.state, 0);
        EXPECT_EQ(enemy.fireCounter, 0);
        EXPECT_EQ(enemy.fireFlag, 0);
    }
}

TEST_F(StageTimetableTest, RecordsThatFillNothingStillStepTheBar)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    WriteTimetable(Timetable(5, {{nan, 1, 0}, {1, inf, 1}, {-inf, 1, 2}, {1, 1, 7}, {1, 1, 255}}));
    g_world.enemies[3].life = 99;  // what a slot held before stays
    ReadStageTimetable(245);
    EXPECT_EQ(LowerBars(), (std::vector<int>{78, 156, 234, 312, 390}));
    EXPECT_EQ(FilledSlots(), 0);
    EXPECT_EQ(g_world.enemies[0].radiusFactor, 0.0f);
    EXPECT_EQ(g_world.enemies[3].life, 99.0f);
}

TEST_F(StageTimetableTest, TimesThatNeverMeetTheStageTimer)
{
    WriteTimetable(Timetable(2, {{9, 2.0f, 0}, {9, 0.01f, 0}}));
    ReadStageTimetable(245);
    // The stage timer steps by 0.5 from 0 and an enemy enters on exact equality.
    int met[2] = {0, 0};
    for (float timer = 0; timer <= 6000; timer += 0.5f) {
        for (int slot = 0; slot < 2; ++slot) met[slot] += timer == g_world.enemies[slot].timer;
    }
    EXPECT_EQ(met[0], 1);
    EXPECT_EQ(g_world.enemies[1].timer, 0.01f * 15.0f);
    EXPECT_EQ(met[1], 0);
}

// Text mode delivers a CR LF pair as LF: a float holding one loses the CR and the fields
// after it come one byte later in the file.
TEST_F(StageTimetableTest, CarriageReturnBeforeLineFeedIsDropped)
{
    const std::vector<uint8_t> onDisk = {
        1,    0,    0,    0,     // count 1
        0x00, 0x0D, 0x0A, 0x20, 0x41,  // x: 0x41200A00 with a CR before its LF
        0x00, 0x00, 0x00, 0x40,  // time 2.0
        0x01,                    // type 1
    };
    WriteTimetable(onDisk);
    ReadStageTimetable(245);
    ASSERT_EQ(FilledSlots(), 1);
    uint32_t bits = 0x41200A00;
    float x = 0;
    std::memcpy(&x, &bits, 4);
    const GameObject& enemy = g_world.enemies[0];
    EXPECT_EQ(enemy.pos.x, x - 9);
    EXPECT_EQ(enemy.timer, 30.0f);
    EXPECT_EQ(enemy.type, 1);
    EXPECT_EQ(LowerBars(), std::vector<int>{392});
}

// No read is checked: a field cut off by the end of the data keeps the bytes it got, and
// every record up to the count after it reads as x 0, time 0, type 0.
TEST_F(StageTimetableTest, AShortFileReadsItsMissingRecordsAsTypeZeroAtTimeZero)
{
    std::vector<uint8_t> onDisk = Timetable(4, {{1, 2, 3}, {5, std::bit_cast<float>(0x3F123456u), 4}});
    onDisk.resize(4 + 9 + 4 + 3);  // the second record's time keeps its low three bytes
    WriteTimetable(onDisk);
    ReadStageTimetable(245);
    EXPECT_EQ(LowerBars(), (std::vector<int>{98, 196, 294, 392}));
    EXPECT_EQ(FilledSlots(), 4);
    EXPECT_EQ(g_world.enemies[0].type, 3);
    EXPECT_EQ(g_world.enemies[1].pos.x, -4.0f);
    EXPECT_EQ(g_world.enemies[1].timer, std::bit_cast<float>(0x00123456u) * 15.0f);
    for (int slot = 1; slot < 4; ++slot) {
        const GameObject& enemy = g_world.enemies[slot];
        EXPECT_EQ(enemy.radiusFactor, 1.0f) << slot;  // a copy of template 0
        EXPECT_EQ(enemy.life, 2.0f) << slot;
        EXPECT_EQ(enemy.pos.y, 16.5f) << slot;
    }
    for (int slot = 2; slot < 4; ++slot) {
        EXPECT_EQ(g_world.enemies[slot].pos.x, -9.0f) << slot;
        EXPECT_EQ(g_world.enemies[slot].timer, 0.0f) << slot;
    }
    EXPECT_EQ(g_world.enemies[4].radiusFactor, 0.0f);
}

TEST_F(StageTimetableTest, ByteOneAEndsTheData)
{
    std::vector<uint8_t> onDisk = Timetable(3, {{1, 2, 0}, {1, 2, 1}, {1, 2, 2}});
    onDisk[4 + 9 + 4 + 2] = 0x1A;  // inside the second record's time
    WriteTimetable(onDisk);
    ReadStageTimetable(245);
    EXPECT_EQ(LowerBars(), (std::vector<int>{130, 260, 390}));
    // The second record keeps its x and the two bytes of its time before the 0x1A (zeros);
    // the third lies wholly past the end.
    EXPECT_EQ(FilledSlots(), 3);
    EXPECT_EQ(g_world.enemies[1].pos.x, -8.0f);
    EXPECT_EQ(g_world.enemies[1].timer, 0.0f);
    EXPECT_EQ(g_world.enemies[1].type, 0);
    EXPECT_EQ(g_world.enemies[2].pos.x, -9.0f);
}
