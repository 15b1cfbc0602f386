// One boss frame, timed frame by frame as the stage frame is: the game's logic alone on a
// device of the stand-ins that does nothing, and the whole frame drawn through OpenGL. The
// typical frame is one of the fight (the boss bouncing in its box, its volleys on the
// timetable) played with the fire held, the boss's life kept up so that the fight goes on;
// the worst frame has every bomb falling, full shot pools, the laser on and ten explosions.
// Counters as the stage frame's. Run from the build folder: ./bench/boss_frame_bench.
#include "play_bench.h"

#include "game/boss.h"
#include "graphics/effects.h"

namespace {

using play_bench::Stage;
using play_bench::TimeFrames;

constexpr float kFullLife = 1200.0f;

// From the stage's last frame into the fight: the boss entry, its rise and its descent.
bool EnterTheFight(Stage& stage)
{
    g_world.player.timer = 5700.0f;  // the next stage frame hands over to the boss
    stage.PlayFrame();
    if (g_sceneFunc != EnterBossPhase) return false;
    EnterBossPhase();
    for (int frame = 0; frame < 5000 && g_bossPhase < 2; ++frame) stage.PlayFrame(BossFrame);
    return g_bossPhase == 2;
}

void TypicalFrame(benchmark::State& state, bool opengl)
{
    Stage stage(opengl);
    if (!stage.Ready() || !EnterTheFight(stage)) {
        state.SkipWithError("the boss fight did not begin (run from the build folder)");
        return;
    }
    // Into the fight, where the timetable's volleys fall.
    for (int frame = 0; frame < (opengl ? 300 : 1500); ++frame) {
        g_world.boss.life = kFullLife;
        stage.PlayFrame(BossFrame);
    }
    double bombs = 0.0;
    TimeFrames(
        state,
        [&] {
            g_world.boss.life = kFullLife;
            for (const GameObject& bomb : g_world.bossBombs) bombs += bomb.state != 0;
        },
        [&] { stage.PlayFrame(BossFrame); });
    state.counters["bombs"] = bombs / double(state.iterations());  // falling, on average
}

// Every bomb falling across the play box, every shot and missile in flight, the laser on
// and ten explosions, with the boss fighting in the middle.
void FillTheWorstFrame()
{
    for (int i = 0; i < 40; ++i) {
        GameObject& bomb = g_world.bossBombs[i];
        bomb.state = 1;
        bomb.pos = D3DXVECTOR3(-13.0f + 0.65f * float(i), 18.0f - 0.7f * float(i), 0.0f);
        bomb.rot.z = float(i * 9 % 360);
    }
    for (int i = 0; i < 15; ++i) {
        g_world.playerShots[i].state = 1;
        g_world.playerShots[i].pos = D3DXVECTOR3(-7.0f + float(i), -5.0f + float(i), 0.0f);
    }
    for (int i = 0; i < 11; ++i) {
        g_world.missiles[i].state = 1;
        g_world.missiles[i].pos = D3DXVECTOR3(2.1f * float(i) - 10.5f, -2.0f + float(i), 0.0f);
    }
    g_world.boss.life = kFullLife;
    g_laserActive = 1;
    for (int i = 0; i < 10; ++i) SpawnExplosion(g_world.bossBombs[i * 4], 2.0f);
}

void WorstFrame(benchmark::State& state, bool opengl)
{
    Stage stage(opengl);
    if (!stage.Ready() || !EnterTheFight(stage)) {
        state.SkipWithError("the boss fight did not begin (run from the build folder)");
        return;
    }
    FillTheWorstFrame();
    // The same frame every time: the world and every global put back before each.
    const game_state::Snapshot worst;
    BossFrame();  // once untimed, so that no frame pays for the first touch of every model
    TimeFrames(state, [&] { worst.Restore(); }, [] { BossFrame(); });
}

BENCHMARK_CAPTURE(TypicalFrame, logic, false)->Iterations(3000)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(WorstFrame, logic, false)->Iterations(2000)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(TypicalFrame, opengl, true)->Iterations(600)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(WorstFrame, opengl, true)->Iterations(200)->UseManualTime()->Unit(benchmark::kMicrosecond);

}  // namespace

PLAY_BENCHMARK_MAIN()
