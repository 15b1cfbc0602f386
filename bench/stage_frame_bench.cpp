// One stage frame, timed frame by frame: the game's logic alone on a device of the stand-ins
// that does nothing, and the whole frame drawn through OpenGL on SDL's offscreen driver
// (Mesa's software rasteriser on a machine without a GPU). Each for a typical frame of play,
// a run of real frames from the stage timetable with the fire held, and for the worst frame:
// every enemy slot in play, full shot pools, the laser on and ten explosions. The counters
// give the median and the worst frame in microseconds of CPU time, of the game's thread and
// of the whole process; and the fragments a typical frame shades. Run from the build folder:
// ./bench/stage_frame_bench.
#include "play_bench.h"

#include "graphics/effects.h"

namespace {

using play_bench::Stage;
using play_bench::TimeFrames;

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

// Fragments shaded in a typical frame in screens' worth (play_bench::FragmentCounter).
void FragmentsOfATypicalFrame(benchmark::State& state)
{
    play_bench::Stage stage(true);
    if (!stage.Ready()) {
        state.SkipWithError("the stage did not load (run from the build folder)");
        return;
    }
    play_bench::FragmentCounter counter;
    if (!counter.Ready()) {
        state.SkipWithError("the driver counts no fragment shader invocations");
        return;
    }
    // Into the thick of the stage, as the frame-cost benchmark plays it.
    for (int frame = 0; frame < 1200; ++frame) stage.PlayFrame();
    counter.Count(state, [&] { stage.PlayFrame(); });
}

BENCHMARK_CAPTURE(TypicalFrame, logic, false)->Iterations(3000)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(WorstFrame, logic, false)->Iterations(2000)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(TypicalFrame, opengl, true)->Iterations(600)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(WorstFrame, opengl, true)->Iterations(200)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(FragmentsOfATypicalFrame)->Iterations(300)->Unit(benchmark::kMillisecond);

}  // namespace

PLAY_BENCHMARK_MAIN()
