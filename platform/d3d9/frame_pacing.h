// The game paces itself by Present alone, so Present holds every display to 60 frames a
// second: the swap waits for the retrace where the display runs at 60 Hz, and a timed
// wait does it elsewhere (or when the swap came back at once, as for a hidden window).
#pragma once

#include <chrono>
#include <optional>

namespace d3d9 {

// Pacing is on unless switched off. Tests and benchmarks switch it off so that frames
// follow each other at once; it applies to every device from its next Present on.
void SetFramePacing(bool on);
bool FramePacing();

class FramePacer {
public:
    using Clock = std::chrono::steady_clock;
    static constexpr Clock::duration kFrame = std::chrono::microseconds(16667);

    // Called at `now` with the frame drawn: right after a swap that waited for a 60 Hz
    // retrace (vsync), or else just before the swap. Returns the time to sleep until (not
    // after `now` when no wait is due).
    Clock::time_point WakeTime(Clock::time_point now, bool vsync);

private:
    std::optional<Clock::time_point> last_;  // when the previous frame was let go
};

}  // namespace d3d9
