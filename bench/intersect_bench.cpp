// One stage frame of ray tests: the laser's ray from the craft straight up, tested with the
// game's own HitRayMesh against each of the 381 enemy slots on the seven enemy models. Run
// from the build folder: ./bench/intersect_bench. Each iteration is one frame of 381 rays;
// its time is the per-frame cost.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>
#include <vector>

#include "game/collision.h"
#include "graphics/models.h"
#include "graphics/release_model.h"
#include "recording_device.h"

namespace {

constexpr int kSlots = 381;
constexpr int kEnemyTypes = 7;

// The seven enemy models loaded and measured as the stage loads them.
struct EnemyModels {
    EnemyModels()
    {
        const D3DXVECTOR3 origin(0, 0, 0), rotation(-90, 0, 0), scale(1, 1, 1);
        const float colour[4] = {1, 1, 1, 1};
        for (int type = 0; type < kEnemyTypes; ++type) {
            const std::string file = "./DATA/XFILE/Enemy" + std::to_string(type) + ".x";
            LoadModel(&models[type], file.c_str(), &origin, &rotation, &scale, colour);
            ComputeBoundingSphere(&models[type], 1.0f);
        }
    }
    ~EnemyModels()
    {
        for (GameObject& model : models) ReleaseModel(model);
    }
    bool Loaded() const
    {
        for (const GameObject& model : models)
            if (!model.mesh) return false;
        return true;
    }

    RecordingDevice device;  // made before the models, released after them
    GameObject models[kEnemyTypes];
};

// A fixed sequence of numbers in [0, 1), the same on every run.
struct Sequence {
    uint32_t state = 12345;
    float Next()
    {
        state = state * 1664525u + 1013904223u;
        return float(state >> 8) / float(1u << 24);
    }
    float Between(float low, float high) { return low + (high - low) * Next(); }
};

enum class Placement { kSpread, kAboveTheCraft, kBesideTheCraft };

// The 381 enemies of one frame, copies of the models of the types in turn, turned every
// way: spread over the play box (most rays miss), stacked straight above the craft (every
// ray meets its enemy) or kept to its sides (every ray misses).
std::vector<GameObject> FrameEnemies(const EnemyModels& enemies, Placement placement)
{
    Sequence random;
    std::vector<GameObject> slots;
    for (int slot = 0; slot < kSlots; ++slot) {
        GameObject enemy = enemies.models[slot % kEnemyTypes];
        enemy.pos = {random.Between(-14.0f, 14.0f), random.Between(-13.0f, 21.0f), 0.0f};
        if (placement == Placement::kAboveTheCraft) enemy.pos.x = random.Between(-0.2f, 0.2f);
        if (placement == Placement::kBesideTheCraft)
            enemy.pos.x = (slot % 2 ? 1.0f : -1.0f) * random.Between(3.0f, 14.0f);
        if (placement != Placement::kSpread) enemy.pos.y = random.Between(-4.0f, 21.0f);
        enemy.rot = {-90.0f, random.Between(0.0f, 360.0f), random.Between(0.0f, 360.0f)};
        slots.push_back(enemy);
    }
    return slots;
}

// The laser's test: from the craft, low in the middle, straight up, against every slot.
void RaysOfOneFrame(benchmark::State& state, Placement placement)
{
    EnemyModels enemies;
    if (!enemies.Loaded()) {
        state.SkipWithError("an enemy model did not load (run from the build folder)");
        return;
    }
    const std::vector<GameObject> slots = FrameEnemies(enemies, placement);
    GameObject craft;
    craft.pos = {0.0f, -8.0f, 0.0f};
    int hits = 0;
    for (auto _ : state) {
        hits = 0;
        for (const GameObject& enemy : slots) {
            float distance = 0.0f;
            hits += HitRayMesh(craft, {0.0f, 0.0f, 0.0f}, {0.0f, 1.0f, 0.0f}, enemy, &distance);
            benchmark::DoNotOptimize(distance);
        }
    }
    state.counters["hits"] = hits;
    state.counters["rays"] = kSlots;
}
BENCHMARK_CAPTURE(RaysOfOneFrame, spread, Placement::kSpread)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(RaysOfOneFrame, all_hit, Placement::kAboveTheCraft)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(RaysOfOneFrame, all_miss, Placement::kBesideTheCraft)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
