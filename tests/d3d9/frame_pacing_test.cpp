// When Present lets the next frame go: every 1/60 s on any display, on a made-up clock.
#include <gtest/gtest.h>

#include "frame_pacing.h"

namespace {

using d3d9::FramePacer;
using namespace std::chrono_literals;

const FramePacer::Clock::time_point kStart{};
constexpr auto kFrame = FramePacer::kFrame;

TEST(FramePacingTest, TimedWaitsKeepSixtyFramesASecond)
{
    FramePacer pacer;
    EXPECT_EQ(pacer.WakeTime(kStart, false), kStart) << "the first frame does not wait";
    EXPECT_EQ(pacer.WakeTime(kStart + 5ms, false), kStart + kFrame) << "a quick frame waits out its 1/60 s";
    // A frame a little late does not wait, and the next one keeps the old rhythm.
    EXPECT_EQ(pacer.WakeTime(kStart + 2 * kFrame + 3ms, false), kStart + 2 * kFrame);
    EXPECT_EQ(pacer.WakeTime(kStart + 2 * kFrame + 4ms, false), kStart + 3 * kFrame);
    // After a long load the count starts afresh rather than rushing to catch up.
    const auto late = kStart + 500ms;
    EXPECT_EQ(pacer.WakeTime(late, false), late);
    EXPECT_EQ(pacer.WakeTime(late + 1ms, false), late + kFrame);
}

TEST(FramePacingTest, VerticalSyncIsTrustedUnlessTheSwapCameBackAtOnce)
{
    FramePacer pacer;
    pacer.WakeTime(kStart, true);
    EXPECT_EQ(pacer.WakeTime(kStart + 16ms, true), kStart + 16ms);
    // A hidden window's swap does not wait: the timed wait takes over.
    EXPECT_EQ(pacer.WakeTime(kStart + 17ms, true), kStart + 16ms + kFrame);
}

}  // namespace
