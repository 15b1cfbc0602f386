// The title frame drawn through OpenGL on SDL's offscreen driver (Mesa's software rasteriser
// on a machine without a GPU), the logo arrived and the caption blinking, timed frame by
// frame in CPU time of the game's thread and of the whole process; the fragments it shades;
// and, for the floor under it, a frame that only clears and presents. Run from the build
// folder: ./bench/title_frame_bench.
#include "play_bench.h"

#include "game/title.h"

namespace {

// The game at its title, on the OpenGL device, the logo slid in.
class Title {
public:
    Title()
    {
        fake::Install();  // nothing is heard
        if (!play_bench::OpenOpenGlDevice()) return;
        SetupRenderStates();
        LoadTexture(&g_texTitle, "./DATA/pic/Title.bmp", 640, 1024, 0xFF000000);
        EnterTitle();
        for (int frame = 0; frame < 100; ++frame) TitleFrame();
        ready_ = g_texTitle != nullptr;
    }
    ~Title()
    {
        Cleanup();
        game_state::ResetToStart();
        fake::Uninstall();
    }
    Title(const Title&) = delete;
    Title& operator=(const Title&) = delete;

    bool Ready() const { return ready_; }

private:
    bool ready_ = false;
};

void ClearAndPresent()
{
    g_device->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, D3DCOLOR_XRGB(0, 0, 0), 1.0f, 0);
    if (SUCCEEDED(g_device->BeginScene())) g_device->EndScene();
    PresentFrame();
}

void Frame(benchmark::State& state, void (*frame)())
{
    Title title;
    if (!title.Ready()) {
        state.SkipWithError("the title did not load (run from the build folder)");
        return;
    }
    play_bench::TimeFrames(state, [] {}, frame);
}

void Fragments(benchmark::State& state, void (*frame)())
{
    Title title;
    play_bench::FragmentCounter counter;
    if (!title.Ready() || !counter.Ready()) {
        state.SkipWithError("no title, or the driver counts no fragment shader invocations");
        return;
    }
    counter.Count(state, frame);
}

BENCHMARK_CAPTURE(Frame, title, TitleFrame)->Iterations(600)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Frame, clear_and_present, ClearAndPresent)
    ->Iterations(600)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Fragments, title, TitleFrame)->Iterations(60)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Fragments, clear_and_present, ClearAndPresent)->Iterations(60)->Unit(benchmark::kMillisecond);

}  // namespace

PLAY_BENCHMARK_MAIN()
