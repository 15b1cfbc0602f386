// What the frame benchmarks share: the game as the start-up and the scene chain leave it at
// the stage's first frame, on a stand-in device that does nothing or on the OpenGL device;
// a player for its frames; and the timing of frames one by one in CPU time.
#pragma once

#include <SDL.h>
#include <benchmark/benchmark.h>
#include <time.h>

// Before OpenGL's header, which keeps the empty APIENTRY of ours.
#include "windows.h"

#include <SDL_opengl.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "core/game_world.h"
#include "core/globals.h"
#include "core/scene.h"
#include "d3d9/frame_pacing.h"
#include "d3d9/gl_direct3d.h"
#include "d3dx9/sprite_factory.h"
#include "fake/fake.h"
#include "fake/fake_device.h"
#include "fake/fake_win32.h"
#include "game/energy.h"
#include "game/player_control.h"
#include "game/stage.h"
#include "game/stage_loading.h"
#include "shell/main_loop.h"
#include "shell/startup.h"
#include "support/game_state.h"

namespace play_bench {

// A stand-in device that keeps and records nothing while a frame draws, so that only the
// game's own work is timed; it still makes the memory textures and buffers of the loading.
class QuietDevice : public fake::FakeDevice {
public:
    explicit QuietDevice(const D3DPRESENT_PARAMETERS& params) : FakeDevice(params) {}
    HRESULT Clear(DWORD, const D3DRECT*, DWORD, D3DCOLOR, float, DWORD) override { return D3D_OK; }
    HRESULT BeginScene() override { return D3D_OK; }
    HRESULT EndScene() override { return D3D_OK; }
    HRESULT Present(const RECT*, const RECT*, HWND, const void*) override { return D3D_OK; }
    HRESULT SetTransform(D3DTRANSFORMSTATETYPE, const D3DMATRIX*) override { return D3D_OK; }
    HRESULT SetLight(DWORD, const D3DLIGHT9*) override { return D3D_OK; }
    HRESULT LightEnable(DWORD, BOOL) override { return D3D_OK; }
    HRESULT SetMaterial(const D3DMATERIAL9*) override { return D3D_OK; }
    HRESULT SetTexture(DWORD, IDirect3DBaseTexture9*) override { return D3D_OK; }
    HRESULT SetRenderState(D3DRENDERSTATETYPE, DWORD) override { return D3D_OK; }
    HRESULT SetTextureStageState(DWORD, D3DTEXTURESTAGESTATETYPE, DWORD) override { return D3D_OK; }
    HRESULT SetSamplerState(DWORD, D3DSAMPLERSTATETYPE, DWORD) override { return D3D_OK; }
    HRESULT SetFVF(DWORD) override { return D3D_OK; }
    HRESULT SetStreamSource(UINT, IDirect3DVertexBuffer9*, UINT, UINT) override { return D3D_OK; }
    HRESULT SetIndices(IDirect3DIndexBuffer9*) override { return D3D_OK; }
    HRESULT DrawPrimitiveUP(D3DPRIMITIVETYPE, UINT, const void*, UINT) override { return D3D_OK; }
    HRESULT DrawIndexedPrimitive(D3DPRIMITIVETYPE, INT, UINT, UINT, UINT, UINT) override { return D3D_OK; }
};

class QuietSprite : public com::RefCounted<ID3DXSprite> {
public:
    HRESULT Begin() override { return S_OK; }
    HRESULT Draw(IDirect3DTexture9*, const RECT*, const D3DXVECTOR2*, const D3DXVECTOR2*, float, const D3DXVECTOR2*,
                 D3DCOLOR) override
    {
        return S_OK;
    }
    HRESULT End() override { return S_OK; }
};

inline double Microseconds(clockid_t clock)
{
    timespec now = {};
    clock_gettime(clock, &now);
    return double(now.tv_sec) * 1e6 + double(now.tv_nsec) / 1e3;
}

// Windowed 640 by 480 with a 16-bit depth buffer, as the game asks by default; kept as the
// game keeps them.
inline D3DPRESENT_PARAMETERS PresentParameters()
{
    D3DPRESENT_PARAMETERS params = {};
    params.BackBufferWidth = 640;
    params.BackBufferHeight = 480;
    params.BackBufferFormat = D3DFMT_X8R8G8B8;
    params.SwapEffect = D3DSWAPEFFECT_DISCARD;
    params.Windowed = TRUE;
    params.EnableAutoDepthStencil = TRUE;
    params.AutoDepthStencilFormat = D3DFMT_D16;
    g_presentParams = params;
    return params;
}

// The OpenGL device and the real sprite drawn through it, frame pacing off. False when they
// cannot be made.
inline bool OpenOpenGlDevice()
{
    D3DPRESENT_PARAMETERS params = PresentParameters();
    d3d9::SetFramePacing(false);
    d3dx9::SetSpriteFactory({});  // the real sprite, drawn through the device
    g_d3d = d3d9::CreateGlDirect3D();
    if (!g_d3d || FAILED(g_d3d->CreateDevice(0, D3DDEVTYPE_HAL, nullptr, D3DCREATE_HARDWARE_VERTEXPROCESSING,
                                             &params, &g_device)))
        return false;
    return SUCCEEDED(D3DXCreateSprite(g_device, &g_sprite));
}

// The game as the start-up and the scene chain leave it at the stage's first frame, on a
// quiet stand-in device or on the OpenGL device, with the keyboard of the stand-ins.
class Stage {
public:
    explicit Stage(bool opengl)
    {
        fake::Install();  // keys, sound and music of the stand-ins; nothing is heard
        if (opengl) {
            if (!OpenOpenGlDevice()) return;
        } else {
            g_device = new QuietDevice(PresentParameters());
            g_sprite = new QuietSprite;
        }
        SetupRenderStates();
        LoadTexture(&g_texScoreboard, "./DATA/pic/scoreboad.bmp", 640, 480, 0xFF000000);
        LoadTexture(&g_texGame, "./DATA/pic/game.bmp", 1024, 512, 0xFF000000);
        LoadTexture(&g_texGlyphs, "./DATA/pic/ABC012.bmp", 512, 512, 0xFF000000);
        g_sceneFunc = LoadStage;
        while (g_sceneFunc != StageFrame) g_sceneFunc();  // loading, effect quads, stage entry
        ready_ = g_world.player.mesh != nullptr;
    }
    ~Stage()
    {
        Cleanup();
        // The next stage starts from a program that has not played.
        game_state::ResetToStart();
        std::memset(g_enemySlotFilled, 0, sizeof g_enemySlotFilled);
        fake::Uninstall();
    }
    Stage(const Stage&) = delete;
    Stage& operator=(const Stage&) = delete;

    bool Ready() const { return ready_; }

    // One frame of play, of the stage or of the boss fight: the fire held, let go for the
    // laser whenever the energy buys one and for the missiles when it leaves enough for the
    // next laser; the craft put back with Space when it runs low.
    void PlayFrame(SceneFunc frame = StageFrame)
    {
        const bool laser = g_energy >= 1000 && g_laserActive == 0;
        const bool missiles = !laser && g_energy >= 1700 && g_missilePhase == 0;
        Hold('Z', !laser && !missiles);
        Hold('C', laser);
        Hold('X', missiles);
        Hold(VK_SPACE, g_world.player.life < 20.0f);
        frame();
    }

private:
    static void Hold(int key, bool down)
    {
        if (down) fake::PressKey(key);
        else fake::ReleaseKey(key);
    }

    bool ready_ = false;
};

inline double Median(std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// Times each frame on its own, after its untimed preparation: the CPU time of the game's
// thread, which also runs the driver's own share of the drawing, and that of the whole
// process, the rasteriser's threads included. The counters give the median and the worst.
template <class Prepare, class Frame>
void TimeFrames(benchmark::State& state, Prepare prepare, Frame frame)
{
    std::vector<double> thread, process;
    for (auto _ : state) {
        prepare();
        const double threadStart = Microseconds(CLOCK_THREAD_CPUTIME_ID);
        const double processStart = Microseconds(CLOCK_PROCESS_CPUTIME_ID);
        frame();
        process.push_back(Microseconds(CLOCK_PROCESS_CPUTIME_ID) - processStart);
        thread.push_back(Microseconds(CLOCK_THREAD_CPUTIME_ID) - threadStart);
        state.SetIterationTime(thread.back() / 1e6);
    }
    state.counters["median_us"] = Median(thread);
    state.counters["worst_us"] = *std::max_element(thread.begin(), thread.end());
    state.counters["process_median_us"] = Median(process);
    state.counters["process_worst_us"] = *std::max_element(process.begin(), process.end());
}

#ifndef GL_FRAGMENT_SHADER_INVOCATIONS_ARB
#define GL_FRAGMENT_SHADER_INVOCATIONS_ARB 0x82F4
#endif

// Fragments shaded in a frame, counted by the driver (GL_ARB_pipeline_statistics_query:
// Mesa's software rasteriser counts the pixels its fragment shaders ran for), in screens'
// worth: the count over the back buffer's 640 by 480 pixels. A back buffer's copy to the
// window counts too, the rasteriser drawing it like any other.
class FragmentCounter {
public:
    FragmentCounter()
        : gen_(reinterpret_cast<PFNGLGENQUERIESPROC>(SDL_GL_GetProcAddress("glGenQueries"))),
          begin_(reinterpret_cast<PFNGLBEGINQUERYPROC>(SDL_GL_GetProcAddress("glBeginQuery"))),
          end_(reinterpret_cast<PFNGLENDQUERYPROC>(SDL_GL_GetProcAddress("glEndQuery"))),
          result_(reinterpret_cast<PFNGLGETQUERYOBJECTUI64VPROC>(SDL_GL_GetProcAddress("glGetQueryObjectui64v")))
    {
        if (Ready()) gen_(1, &query_);
    }

    bool Ready() const
    {
        return SDL_GL_ExtensionSupported("GL_ARB_pipeline_statistics_query") && gen_ && begin_ && end_ && result_;
    }

    // Counts each of the benchmark's frames; the counters give the median and the worst.
    template <class Frame>
    void Count(benchmark::State& state, Frame frame)
    {
        std::vector<double> screens;
        for (auto _ : state) {
            begin_(GL_FRAGMENT_SHADER_INVOCATIONS_ARB, query_);
            frame();
            end_(GL_FRAGMENT_SHADER_INVOCATIONS_ARB);
            GLuint64 fragments = 0;
            result_(query_, GL_QUERY_RESULT, &fragments);
            screens.push_back(double(fragments) / (640.0 * 480.0));
        }
        state.counters["screens_median"] = Median(screens);
        state.counters["screens_worst"] = *std::max_element(screens.begin(), screens.end());
    }

private:
    PFNGLGENQUERIESPROC gen_;
    PFNGLBEGINQUERYPROC begin_;
    PFNGLENDQUERYPROC end_;
    PFNGLGETQUERYOBJECTUI64VPROC result_;
    GLuint query_ = 0;
};

}  // namespace play_bench

// The main of a program that plays the game: the game's state is taken as it stands at the
// program's start, so that every benchmark can set the game back to it.
#define PLAY_BENCHMARK_MAIN()                       \
    int main(int argc, char** argv)                 \
    {                                               \
        game_state::RememberStart();                \
        benchmark::Initialize(&argc, argv);         \
        benchmark::RunSpecifiedBenchmarks();        \
        benchmark::Shutdown();                      \
        return 0;                                   \
    }
