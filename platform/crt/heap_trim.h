// Giving freed memory back to the system while the game runs. The software rasteriser and
// the synthesiser allocate and free all the time on several threads, and the C library
// keeps what they free in its heaps: resident memory then creeps up through a long stage
// with nothing in use growing. A frame now and then hands the free pages back.
#pragma once

namespace crt {

// Called once per presented frame; every kTrimPeriod-th call trims the heaps.
void CountFrameForHeapTrim();

inline constexpr long kTrimPeriod = 300;  // frames: five seconds at 60 a second; a trim takes about 0.5 ms

}  // namespace crt
