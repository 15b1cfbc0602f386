// The boss's attack table: one bomb volley at a time, at whole-number frames of the fight,
// coming closer together as the fight goes on. Shared with the tests.
#pragma once

#include <cmath>
#include <vector>

#include "timetables/timetable_format.h"

namespace makedata {

inline constexpr int kBossVolleySlots = 100;        // entries in the game's attack table
inline constexpr float kBossFramesPerTime = 20.0f;  // a record's time is in these frames
inline constexpr float kFirstVolleyFrame = 120.0f;

// Frames between volleys: the first 20 three seconds apart, then quicker.
inline float VolleyGap(int volley)
{
    if (volley < 20) return 180.0f;
    if (volley < 50) return 150.0f;
    if (volley < 80) return 120.0f;
    return 100.0f;
}

// True when the fight's frame counter, which counts whole frames from 0 and fires nothing
// at 0, meets time * 20 exactly.
inline bool VolleyReachable(float time)
{
    const float frame = time * kBossFramesPerTime;
    return frame >= 1.0f && frame == std::floor(frame);
}

// The records in firing order. A volley whose time the counter would not meet, or whose
// bytes text-mode reading would change, moves to the next frame that works.
inline std::vector<TimetableRecord> DesignBossVolleys()
{
    std::vector<TimetableRecord> records;
    float frame = kFirstVolleyFrame;
    for (int volley = 0; volley < kBossVolleySlots; ++volley) {
        TimetableRecord record = {0.0f, frame / kBossFramesPerTime, 0};
        while (!VolleyReachable(record.time) || record.time * kBossFramesPerTime != frame ||
               !SurvivesTextMode(record)) {
            frame += 1.0f;
            record.time = frame / kBossFramesPerTime;
        }
        records.push_back(record);
        frame += VolleyGap(volley);
    }
    return records;
}

}  // namespace makedata
