// One stage frame, timed frame by frame: the game's logic alone on a device of the stand-ins
// that does nothing, and the whole frame drawn through OpenGL on SDL's offscreen driver
// (Mesa's software rasteriser on a machine without a GPU). Each for a typical frame of play,
// a run of real frames from the stage timetable with the fire held, and for the worst frame:
// every enemy slot in play, full shot pools, the laser on and ten explosions. The counters
// give the median and the worst frame in microseconds of CPU time, of the game's thread and
// of the whole process. Run from the build folder: ./bench/stage_frame_bench.
#include <benchmark/benchmark.h>
#include <time.h>

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
#include "graphics/effects.h"
#include "shell/main_loop.h"
#include "shell/startup.h"
#include "support/game_state.h"

namespace {

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

double Microseconds(clockid_t clock)
{
    timespec now = {};
    clock_gettime(clock, &now);
    return double(now.tv_sec) * 1e6 + double(now.tv_nsec) / 1e3;
}

// The game as the start-up and the scene chain leave it at the stage's first frame, on a
// quiet stand-in device or on the OpenGL device, with the keyboard of the stand-ins.
class Stage {
public:
    explicit Stage(bool opengl)
    {
        fake::Install();  // keys, sound and music of the stand-ins; nothing is heard
        D3DPRESENT_PARAMETERS params = {};
        params.BackBufferWidth = 640;
        params.BackBufferHeight = 480;
        params.BackBufferFormat = D3DFMT_X8R8G8B8;
        params.SwapEffect = D3DSWAPEFFECT_DISCARD;
        params.Windowed = TRUE;
        params.EnableAutoDepthStencil = TRUE;
        params.AutoDepthStencilFormat = D3DFMT_D16;
        g_presentParams = params;
        if (opengl) {
            d3d9::SetFramePacing(false);
            d3dx9::SetSpriteFactory({});  // the real sprite, drawn through the device
            g_d3d = d3d9::CreateGlDirect3D();
            if (!g_d3d || FAILED(g_d3d->CreateDevice(0, D3DDEVTYPE_HAL, nullptr,
                                                     D3DCREATE_HARDWARE_VERTEXPROCESSING, &params, &g_device)))
                return;
            D3DXCreateSprite(g_device, &g_sprite);
        } else {
            g_device = new QuietDevice(params);
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

    // One frame of play: the fire held, let go for the laser whenever the energy buys one
    // and for the missiles when it leaves enough for the next laser; the craft put back
    // with Space when it runs low.
    void PlayFrame()
    {
        const bool laser = g_energy >= 1000 && g_laserActive == 0;
        const bool missiles = !laser && g_energy >= 1700 && g_missilePhase == 0;
        Hold('Z', !laser && !missiles);
        Hold('C', laser);
        Hold('X', missiles);
        Hold(VK_SPACE, g_world.player.life < 20.0f);
        StageFrame();
    }

private:
    static void Hold(int key, bool down)
    {
        if (down) fake::PressKey(key);
        else fake::ReleaseKey(key);
    }

    bool ready_ = false;
};

// The worst frame: every enemy slot in play, spread over the play box and turned every way,
// every player shot, missile and enemy shot in flight, the laser on, ten explosions.
void FillTheWorstFrame()
{
    for (int slot = 0; slot < 381; ++slot) {
        g_enemySlotFilled[slot] = 1;
        GameObject& enemy = g_world.enemies[slot];
        enemy = g_world.enemyTemplates[slot % 7];
        enemy.type = uint8_t(slot % 7);
        enemy.pos = D3DXVECTOR3(-13.0f + float(slot % 27), -3.0f + 1.5f * float(slot / 27), slot % 7 == 5 ? -5.0f : 0.0f);
        enemy.rot = D3DXVECTOR3(-90.0f, float(slot * 37 % 360), float(slot * 53 % 360));
        enemy.life = 1000.0f;
        enemy.timer = 1.0f;
        enemy.fireInterval = 1000;
        enemy.state = 1;
    }
    for (int i = 0; i < 15; ++i) {
        g_world.playerShots[i].state = 1;
        g_world.playerShots[i].pos = D3DXVECTOR3(-7.0f + float(i), -5.0f + float(i), 0.0f);
    }
    for (int i = 0; i < 11; ++i) {
        g_world.missiles[i].state = 1;
        g_world.missiles[i].pos = D3DXVECTOR3(2.1f * float(i) - 10.5f, -2.0f + float(i), 0.0f);
    }
    for (int i = 0; i < 50; ++i) {
        GameObject& shot = g_world.enemyShots[i];
        shot.state = uint8_t(1 + i % 2);
        shot.pos = D3DXVECTOR3(-12.0f + 0.5f * float(i), 10.0f - 0.3f * float(i), 0.0f);
        shot.rot.z = float(i * 7);
    }
    g_laserActive = 1;
    for (int i = 0; i < 10; ++i) SpawnExplosion(g_world.enemies[i * 30], 2.0f);
    g_world.player.timer = 1000.5f;  // no slot's time: nothing enters
}

double Median(std::vector<double> times)
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

void TypicalFrame(benchmark::State& state, bool opengl)
{
    Stage stage(opengl);
    if (!stage.Ready()) {
        state.SkipWithError("the stage did not load (run from the build folder)");
        return;
    }
    // Into the thick of the stage; through OpenGL a shorter way, each frame being slower.
    for (int frame = 0; frame < (opengl ? 1200 : 6000); ++frame) stage.PlayFrame();
    double active = 0.0, shots = 0.0, laser = 0.0;
    TimeFrames(
        state,
        [&] {
            for (const GameObject& enemy : g_world.enemies) active += enemy.state == 1;
            for (const GameObject& shot : g_world.playerShots) shots += shot.state != 0;
            laser += g_laserActive;
        },
        [&] { stage.PlayFrame(); });
    const double frames = double(state.iterations());
    state.counters["enemies"] = active / frames;  // in play, on average
    state.counters["shots"] = shots / frames;
    state.counters["laser"] = laser / frames;  // the share of frames with the laser on
}

void WorstFrame(benchmark::State& state, bool opengl)
{
    Stage stage(opengl);
    if (!stage.Ready()) {
        state.SkipWithError("the stage did not load (run from the build folder)");
        return;
    }
    FillTheWorstFrame();
    // The same frame every time: the world and the effects put back before each.
    static GameWorld world;
    world = g_world;
    int32_t explosionActive[10];
    D3DXMATRIXA16 explosionWorld[10];
    std::memcpy(explosionActive, g_explosionActive, sizeof explosionActive);
    std::memcpy(static_cast<void*>(explosionWorld), g_explosionWorld, sizeof explosionWorld);
    const auto putBack = [&] {
        g_world = world;
        g_laserActive = 1;
        std::memcpy(g_explosionActive, explosionActive, sizeof explosionActive);
        std::memcpy(static_cast<void*>(g_explosionWorld), explosionWorld, sizeof explosionWorld);
    };
    StageFrame();  // once untimed, so that no frame pays for the first touch of every model
    TimeFrames(state, putBack, [] { StageFrame(); });
}

BENCHMARK_CAPTURE(TypicalFrame, logic, false)->Iterations(3000)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(WorstFrame, logic, false)->Iterations(2000)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(TypicalFrame, opengl, true)->Iterations(600)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(WorstFrame, opengl, true)->Iterations(200)->UseManualTime()->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv)
{
    game_state::RememberStart();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
