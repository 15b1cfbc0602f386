// Frame pacing of Present.
#include "frame_pacing.h"

#include <atomic>

namespace d3d9 {

namespace {
std::atomic<bool> g_pacing{true};
}

void SetFramePacing(bool on) { g_pacing = on; }
bool FramePacing() { return g_pacing; }

FramePacer::Clock::time_point FramePacer::WakeTime(Clock::time_point now, bool vsync)
{
    if (!last_) {
        last_ = now;
        return now;
    }
    const Clock::time_point due = *last_ + kFrame;
    if (vsync) {
        // The retrace already set the pace, unless the swap came back far too early.
        const bool swapWaited = now - *last_ >= kFrame * 3 / 4;
        last_ = swapWaited ? now : due;
        return swapWaited ? now : due;
    }
    if (now > due + kFrame) {
        // Far behind (a long load, a slow machine): start counting afresh rather than
        // rushing through frames to catch up.
        last_ = now;
        return now;
    }
    last_ = due;
    return due;
}

}  // namespace d3d9
