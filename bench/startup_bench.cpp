// Start-up and stage loading of the real game as a player meets them, frame pacing off:
// the game's own WinMain on the real platform (SDL window, OpenGL, sound, tunes) with the
// full-screen question answered No at once. Counters: first_frame_ms, from the process's
// start to the first title frame presented (the clock of the process start counts in
// hundredths of a second); stage_loading_ms, the stage loading's scene call, loading
// screen and stage tune included. One run per process, since a second start-up in the same
// process finds the drivers loaded: the bench script runs it several times.
// Run from the build folder on a display (Xvfb will do): ./bench/startup_bench.
#include <benchmark/benchmark.h>
#include <time.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <memory>
#include <optional>

#include "core/scene.h"
#include "d3d9/frame_pacing.h"
#include "game/stage_loading.h"
#include "platform.h"
#include "run_report.h"
#include "sdl_system.h"
#include "windows.h"

namespace {

using Clock = std::chrono::steady_clock;

double MillisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// How long this process has run, from the kernel's record of its start.
double ProcessAgeMs()
{
    unsigned long long startTicks = 0;
    std::FILE* stat = std::fopen("/proc/self/stat", "r");
    if (!stat) return 0.0;
    // The 22nd field; the command name in parentheses holds no spaces here.
    const int read = std::fscanf(stat, "%*d %*s %*c %*d %*d %*d %*d %*d %*u %*u %*u %*u %*u %*u %*u %*d %*d %*d %*d "
                                       "%*d %*d %llu",
                                 &startTicks);
    std::fclose(stat);
    timespec now = {};
    clock_gettime(CLOCK_BOOTTIME, &now);
    if (read != 1) return 0.0;
    return (double(now.tv_sec) + double(now.tv_nsec) / 1e9 - double(startTicks) / double(sysconf(_SC_CLK_TCK))) *
           1e3;
}

// The real window system, answering the question No and playing a player who presses
// Enter as soon as the title shows; it watches the scene pointer between loop turns.
class QuickPlayer : public win32::SdlSystem {
public:
    int MessageBox(HWND, LPCSTR, LPCSTR, UINT) override { return IDNO; }

    double firstFrameMs = 0.0;
    double loadingMs = 0.0;

protected:
    void PumpEvents() override
    {
        SdlSystem::PumpEvents();
        if (!firstFrame_ && win32::PresentedFrames() > 0) {
            firstFrameMs = ProcessAgeMs();
            firstFrame_ = Clock::now();
            KeyDown(VK_RETURN);
        }
        if (!loadingStart_ && g_sceneFunc == LoadStage) {
            KeyUp(VK_RETURN);
            loadingStart_ = Clock::now();
        } else if (loadingStart_ && g_sceneFunc != LoadStage && loadingMs == 0.0) {
            loadingMs = MillisecondsSince(*loadingStart_);
            PostQuitMessage(0);
        }
        // A title that never starts the game ends the run rather than hanging it.
        if (firstFrame_ && loadingMs == 0.0 && MillisecondsSince(*firstFrame_) > 60000.0) PostQuitMessage(0);
    }

private:
    std::optional<Clock::time_point> firstFrame_;
    std::optional<Clock::time_point> loadingStart_;
};

void StartUpAndStageLoading(benchmark::State& state)
{
    for (auto _ : state) {
        platform::UseRealPlatform();
        auto player = std::make_unique<QuickPlayer>();
        QuickPlayer* watched = player.get();
        win32::Install(std::move(player));
        d3d9::SetFramePacing(false);
        char commandLine[] = "";
        WinMain(reinterpret_cast<HINSTANCE>(uintptr_t(0x400000)), nullptr, commandLine, SW_SHOWDEFAULT);
        if (watched->firstFrameMs == 0.0 || watched->loadingMs == 0.0)
            state.SkipWithError("the game did not reach the stage (run from the build folder, on a display)");
        state.SetIterationTime(watched->firstFrameMs / 1e3);
        state.counters["first_frame_ms"] = watched->firstFrameMs;
        state.counters["stage_loading_ms"] = watched->loadingMs;
        platform::ShutdownRealPlatform();
    }
}
BENCHMARK(StartUpAndStageLoading)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
