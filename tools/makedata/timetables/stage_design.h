// The stage: waves of every enemy type over the 5,700 stage-timer units before the boss,
// sparse at first and thickening towards the end. Shared with the tests, which read the
// written file back and compare it with this design.
#pragma once

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <vector>

#include "timetables/timetable_format.h"

namespace makedata {

inline constexpr int kStageSlots = 381;             // enemy records the game reads at most
inline constexpr float kStageTimerStep = 0.5f;      // per stage frame
inline constexpr float kStageLength = 5700.0f;      // the boss comes once the timer passes it
inline constexpr float kTimerUnitsPerTime = 15.0f;  // a record's time is in these units
inline constexpr float kEntryShiftX = 9.0f;         // the game enters an enemy at x - 9

// count enemies of one type, `spacing` stage-timer units apart from `start`, entering at
// world x from `x` in steps of `step`.
struct StageWave {
    float start;
    uint8_t type;
    int count;
    float spacing;
    float x;
    float step;
};

// clang-format off
inline constexpr StageWave kStageWaves[] = {
    // Opening: single files of turners, then the first heavy spinners.
    {60, 0, 5, 15, -8, 0},      {240, 1, 5, 15, 8, 0},
    {420, 0, 4, 12, -10, 0},    {420, 1, 4, 12, 10, 0},
    {600, 3, 1, 0, 0, 0},       {780, 0, 6, 10, -10, 1.2f},
    {960, 1, 6, 10, 10, -1.2f}, {1100, 3, 2, 0, -6, 12},
    // Gunners, homers and the first bombs and fast ones.
    {1200, 2, 1, 0, 0, 0},      {1260, 0, 5, 12, -9, 0},    {1320, 1, 5, 12, 9, 0},
    {1450, 4, 4, 20, -8, 5.3f}, {1560, 5, 6, 10, -9, 3.6f}, {1680, 2, 2, 0, -6, 12},
    {1750, 0, 6, 10, -11, 1},   {1755, 1, 6, 10, 11, -1},   {1900, 3, 3, 30, -7, 7},
    {2000, 4, 6, 15, -10, 4},   {2150, 6, 2, 20, -4, 8},    {2200, 5, 8, 8, -10.5f, 3},
    {2320, 2, 3, 20, -8, 8},    {2420, 0, 8, 8, -9, 0},     {2424, 1, 8, 8, 9, 0},
    // Mixed waves, closer together.
    {2600, 6, 3, 15, -6, 6},    {2660, 2, 2, 0, -9, 18},    {2680, 4, 4, 15, -6, 4},
    {2800, 0, 8, 8, -12, 1.5f}, {2810, 1, 8, 8, 12, -1.5f}, {2950, 5, 10, 6, -10, 2.2f},
    {3050, 3, 4, 20, -9, 6},    {3150, 6, 4, 12, -9, 6},    {3250, 2, 3, 10, -7, 7},
    {3280, 4, 6, 10, -10, 4},   {3400, 0, 10, 6, -10, 0},   {3403, 1, 10, 6, 10, 0},
    {3600, 5, 12, 5, -11, 2},   {3700, 6, 5, 10, -10, 5},   {3800, 3, 3, 15, -6, 6},
    {3830, 2, 2, 0, -10, 20},   {3900, 4, 8, 8, -10.5f, 3}, {4000, 0, 8, 6, -8, 2},
    {4003, 1, 8, 6, 8, -2},
    // The run-in to the boss.
    {4200, 6, 6, 8, -11, 4.4f}, {4260, 2, 4, 10, -9, 6},    {4350, 0, 10, 5, -11, 1},
    {4352, 1, 10, 5, 11, -1},   {4480, 5, 14, 4, -11, 1.7f}, {4560, 4, 8, 10, -10, 2.8f},
    {4650, 3, 4, 10, -9, 6},    {4700, 6, 8, 6, -10.5f, 3}, {4800, 2, 4, 8, -10, 6.6f},
    {4850, 0, 12, 4, -10, 0},   {4852, 1, 12, 4, 10, 0},    {5000, 5, 16, 3, -11, 1.4f},
    {5060, 4, 8, 8, -9, 2.5f},    {5120, 6, 8, 5, -10.5f, 3}, {5200, 0, 6, 4, -6, 0},
    {5202, 1, 6, 4, 6, 0},
};
// clang-format on

// True when the stage timer, which steps by 0.5 from 0, meets time * 15 exactly before the
// boss comes, whether the product is taken in single or double precision.
inline bool EntryReachable(float time)
{
    const float product = time * kTimerUnitsPerTime;
    const float wide = static_cast<float>(static_cast<double>(time) * kTimerUnitsPerTime);
    return product == wide && product >= 0.0f && product <= kStageLength && std::fmod(product, kStageTimerStep) == 0.0f;
}

// The records, in entry order. A wave's timer value whose time the stage timer would not
// meet, or whose bytes the text-mode reading would change, moves to the nearest later one
// that works; an x whose bytes would change moves by a hundredth.
inline std::vector<TimetableRecord> DesignStage()
{
    struct Entry {
        float timer;
        float x;
        uint8_t type;
    };
    std::vector<Entry> entries;
    for (const StageWave& wave : kStageWaves) {
        for (int i = 0; i < wave.count; ++i) {
            const float n = static_cast<float>(i);
            entries.push_back({wave.start + wave.spacing * n, wave.x + wave.step * n, wave.type});
        }
    }
    std::stable_sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) { return a.timer < b.timer; });
    std::vector<TimetableRecord> records;
    for (const Entry& entry : entries) {
        TimetableRecord record = {entry.x + kEntryShiftX, 0.0f, entry.type};
        for (float timer = entry.timer;; timer += kStageTimerStep) {
            record.time = timer / kTimerUnitsPerTime;
            if (timer > kStageLength) throw std::logic_error("no entry time left for a wave");
            if (!EntryReachable(record.time) || record.time * kTimerUnitsPerTime != timer) continue;
            for (int nudge = 0; nudge < 5 && !SurvivesTextMode(record); ++nudge) record.x += 0.01f;
            if (SurvivesTextMode(record)) break;
            record.x = entry.x + kEntryShiftX;
        }
        records.push_back(record);
    }
    if (records.size() > kStageSlots) throw std::logic_error("more enemies than the stage has slots");
    return records;
}

}  // namespace makedata
