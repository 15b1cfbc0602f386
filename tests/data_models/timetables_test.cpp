// The two timetables as the game reads them: through text-mode translation (CR LF comes in
// as LF, 0x1A ends the data), one field after another. They must come back as designed,
// every enemy must meet the stage timer, and the stage must hold every type, thicken
// towards the boss and pay for the missiles and the laser on the way.
#include <gtest/gtest.h>

#include <bit>
#include <cstring>
#include <fstream>
#include <iterator>
#include <set>

#include "models/model_sizes.h"
#include "timetables/boss_design.h"
#include "timetables/stage_design.h"

using namespace makedata;

namespace {

// The bytes a text-mode read delivers.
std::vector<uint8_t> ReadTextMode(const char* path)
{
    std::ifstream in(path, std::ios::binary);
    const std::vector<uint8_t> raw{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    std::vector<uint8_t> delivered;
    for (size_t i = 0; i < raw.size() && raw[i] != 0x1A; ++i) {
        if (raw[i] == 0x0D && i + 1 < raw.size() && raw[i + 1] == 0x0A) continue;
        delivered.push_back(raw[i]);
    }
    return delivered;
}

// Count, then x, time and type per record; a field past the end stays zero, as the
// game's reads leave it.
std::vector<TimetableRecord> ReadTimetable(const char* path)
{
    const std::vector<uint8_t> bytes = ReadTextMode(path);
    size_t at = 0;
    auto field = [&](void* out, size_t size) {
        std::memset(out, 0, size);
        const size_t available = at < bytes.size() ? std::min(size, bytes.size() - at) : 0;
        std::memcpy(out, bytes.data() + at, available);
        at += size;
    };
    int32_t count = 0;
    field(&count, 4);
    std::vector<TimetableRecord> records;
    for (int32_t i = 0; i < count && i < 1000; ++i) {
        TimetableRecord record;
        field(&record.x, 4);
        field(&record.time, 4);
        field(&record.type, 1);
        records.push_back(record);
    }
    return records;
}

void ExpectSameRecords(const std::vector<TimetableRecord>& read, const std::vector<TimetableRecord>& designed)
{
    ASSERT_EQ(read.size(), designed.size());
    for (size_t i = 0; i < read.size(); ++i) {
        EXPECT_EQ(std::bit_cast<uint32_t>(read[i].x), std::bit_cast<uint32_t>(designed[i].x)) << "record " << i;
        EXPECT_EQ(std::bit_cast<uint32_t>(read[i].time), std::bit_cast<uint32_t>(designed[i].time)) << "record " << i;
        EXPECT_EQ(read[i].type, designed[i].type) << "record " << i;
    }
}

TEST(Timetables, TextModeReadingWouldSpoilSomeFloats)
{
    EXPECT_FALSE(SurvivesTextMode(TimetableRecord{0.0f, 616.0f, 0}));  // 0x441A0000
    EXPECT_FALSE(SurvivesTextMode(TimetableRecord{std::bit_cast<float>(0x41000A0Du), 1.0f, 0}));
    EXPECT_TRUE(SurvivesTextMode(TimetableRecord{std::bit_cast<float>(0x410D0A00u), 1.0f, 0}));
}

TEST(Timetables, StageReadsBackAsDesigned)
{
    const std::vector<TimetableRecord> stage = ReadTimetable("./DATA/stage01.kfc");
    ExpectSameRecords(stage, DesignStage());
    EXPECT_LE(stage.size(), size_t(kStageSlots));
    std::set<int> types;
    for (const TimetableRecord& record : stage) types.insert(record.type);
    EXPECT_EQ(types, (std::set<int>{0, 1, 2, 3, 4, 5, 6}));
}

TEST(Timetables, EveryEnemyMeetsTheStageTimer)
{
    std::set<float> timerValues;
    float timer = 0.0f;
    while (timer <= kStageLength) {
        timerValues.insert(timer);
        timer += kStageTimerStep;
    }
    for (const TimetableRecord& record : ReadTimetable("./DATA/stage01.kfc")) {
        const float entry = record.time * 15;
        EXPECT_TRUE(timerValues.count(entry)) << "time " << record.time << " enters at " << entry;
        EXPECT_TRUE(timerValues.count(float(double(record.time) * 15.0))) << "time " << record.time;
        const float x = record.x - kEntryShiftX;
        EXPECT_GT(x, kPlayMinX + 1.0f);
        EXPECT_LT(x, kPlayMaxX - 1.0f);
    }
}

// Per quarter of the stage more enemies enter than in the one before. A player who shoots
// down two in three of them earns (1 a hit, 10 a kill) the missiles' 700 by half-way and
// the laser's 1000 more by three-quarters.
TEST(Timetables, StageThickensAndPaysForTheWeapons)
{
    const float lives[7] = {2, 2, 5, 10, 3, 1, 20};
    int quarters[4] = {};
    float earned[4] = {};
    for (const TimetableRecord& record : ReadTimetable("./DATA/stage01.kfc")) {
        const int quarter = std::min(3, int(record.time * 15 / (kStageLength / 4)));
        ++quarters[quarter];
        for (int later = quarter; later < 4; ++later) earned[later] += (lives[record.type] + 10.0f) * 2.0f / 3.0f;
    }
    EXPECT_LT(quarters[0], quarters[1]);
    EXPECT_LT(quarters[1], quarters[2]);
    EXPECT_LT(quarters[2], quarters[3]);
    EXPECT_GE(earned[1], 700.0f);
    EXPECT_GE(earned[2], 700.0f + 1000.0f);
}

TEST(Timetables, BossVolleysReadBackAtWholeFramesOfTheFight)
{
    const std::vector<TimetableRecord> volleys = ReadTimetable("./DATA/PatAt.kfc");
    ExpectSameRecords(volleys, DesignBossVolleys());
    ASSERT_LE(volleys.size(), size_t(kBossVolleySlots));
    float previous = 0.0f;
    for (const TimetableRecord& record : volleys) {
        const float frame = record.time * 20.0f;
        EXPECT_EQ(frame, std::floor(frame)) << "time " << record.time;
        EXPECT_GT(frame, previous);
        EXPECT_EQ(record.type, 0);
        previous = frame;
    }
}

}  // namespace
