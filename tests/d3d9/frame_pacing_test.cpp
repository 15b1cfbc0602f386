// When Present lets the next frame go: every 1/60 s on any display, counted on a made-up clock.
#include <gtest/gtest.h>

#include "frame_pacing.h"

namespace {

using d3d9::FramePacer;
using namespace std::chrono_literals;

const FramePacer::Clock::time_point kStart{};

TEST(FramePacingTest, TimedWaitsKeepSixtyFramesASecond)
{
    FramePacer pacer;
    EXPECT_EQ(pacer.WakeTime(kStart, false), kStart) << "the first frame does not wait";
    // A quick frame waits out the rest of its 1/60 s.
    EXPECT_EQ(pacer.WakeTime(kStart + 5ms, false), kStart + FramePacer::kFrame);
    // A frame a little late does not wait, and the next one keeps the old rhythm.
    EXPECT_EQ(pacer.WakeTime(kStart + 2 * FramePacer::kFrame + 3ms, false), kStart + 2 * FramePacer::kFrame);
    EXPECT_EQ(pacer.WakeTime(kStart + 2 * FramePacer::kFrame + 4ms, false), kStart + 3 * FramePacer::kFrame);
}

TEST(FramePacingTest, AFarLateFrameStartsTheCountAfresh)
{
    FramePacer pacer;
    pacer.WakeTime(kStart, false);
    const auto late = kStart + 500ms;  // a long load
    EXPECT_EQ(pacer.WakeTime(late, false), late);
    EXPECT_EQ(pacer.WakeTime(late + 1ms, false), late + FramePacer::kFrame);
}

TEST(FramePacingTest, VerticalSyncIsTrustedUnlessTheSwapCameBackAtOnce)
{
    FramePacer pacer;
    pacer.WakeTime(kStart, true);
    EXPECT_EQ(pacer.WakeTime(kStart + 16ms, true), kStart + 16ms);
    // A hidden window's swap does not wait: the timed wait takes over.
    EXPECT_EQ(pacer.WakeTime(kStart + 17ms, true), kStart + 16ms + FramePacer::kFrame);
}

TEST(FramePacingTest, TheSwitchTurnsPacingOffAndOn)
{
    d3d9::SetFramePacing(false);
    EXPECT_FALSE(d3d9::FramePacing());
    d3d9::SetFramePacing(true);
    EXPECT_TRUE(d3d9::FramePacing());
}

}  // namespace
