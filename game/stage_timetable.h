// The stage timetable "./DATA/stage01.kfc": when, where and of which type each enemy enters.
#pragma once

#include <cstdint>

// Fills one enemy slot per record, the loading screen's lower bar stepping per record with
// the upper bar at barA. A missing file leaves every slot empty.
void ReadStageTimetable(int32_t barA);
