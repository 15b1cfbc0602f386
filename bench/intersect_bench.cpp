// One stage frame of ray tests: the laser's ray from the craft straight up, tested against
// each of the 381 enemy slots on the seven enemy models, as the stage turns it into each
// enemy's model space. Run from the build folder: ./bench/intersect_bench. Each iteration
// is one frame of 381 rays; its time is the per-frame cost.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>
#include <vector>

#include "core/globals.h"
#include "fake/fake.h"
#include "graphics/models.h"
#include "graphics/release_model.h"

namespace {

constexpr int kSlots = 381;
constexpr int kEnemyTypes = 7;
constexpr float kRadiansPerDegree = 0.017453292f;

// A device of the stand-ins with the seven enemy models loaded and measured as the stage
// loads them.
struct EnemyModels {
    EnemyModels()
    {
        fake::Install();
        g_d3d = Direct3DCreate9(D3D_SDK_VERSION);
        D3DPRESENT_PARAMETERS params = {};
        params.Windowed = TRUE;
        g_d3d->CreateDevice(0, D3DDEVTYPE_HAL, nullptr, D3DCREATE_HARDWARE_VERTEXPROCESSING, &params, &g_device);
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
        g_device->Release();
        g_d3d->Release();
        g_device = nullptr;
        g_d3d = nullptr;
        fake::Uninstall();
    }
    bool Loaded() const
    {
        for (const GameObject& model : models)
            if (!model.mesh) return false;
        return true;
    }

    GameObject models[kEnemyTypes];
};

// A ray already in the target's model space, as the collision test hands it over.
struct Ray {
    ID3DXMesh* mesh;
    D3DXVECTOR3 start, direction;
};

// The world ray from start along delta, in the model space of a target at pos turned by
// rot (degrees): the inverse of rotations about Z, X and Y, then the move.
Ray ToModelSpace(ID3DXMesh* mesh, D3DXVECTOR3 pos, D3DXVECTOR3 rot, D3DXVECTOR3 start, D3DXVECTOR3 delta)
{
    D3DXMATRIX z, x, y, m, step;
    D3DXMatrixRotationZ(&z, -rot.z * kRadiansPerDegree);
    D3DXMatrixRotationX(&x, -rot.x * kRadiansPerDegree);
    D3DXMatrixRotationY(&y, -rot.y * kRadiansPerDegree);
    D3DXMatrixMultiply(&m, &z, &x);
    D3DXMatrixMultiply(&m, &m, &y);
    D3DXMatrixTranslation(&step, pos.x, pos.y, pos.z);
    D3DXMatrixMultiply(&m, &m, &step);
    D3DXMatrixInverse(&m, nullptr, &m);
    const D3DXVECTOR3 end = start + delta;
    Ray ray{mesh, {}, {}};
    D3DXVECTOR3 endInModel;
    D3DXVec3TransformCoord(&ray.start, &start, &m);
    D3DXVec3TransformCoord(&endInModel, &end, &m);
    ray.direction = endInModel - ray.start;
    return ray;
}

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

// The 381 rays of one frame: the craft low in the middle, firing up; the enemies, of the
// types in turn, spread over the play box (most rays miss), stacked straight above the
// craft (every ray meets its enemy) or kept to its sides (every ray misses).
std::vector<Ray> FrameRays(const EnemyModels& enemies, Placement placement)
{
    const D3DXVECTOR3 craft(0.0f, -8.0f, 0.0f), up(0.0f, 1.0f, 0.0f);
    Sequence random;
    std::vector<Ray> rays;
    for (int slot = 0; slot < kSlots; ++slot) {
        D3DXVECTOR3 pos(random.Between(-14.0f, 14.0f), random.Between(-13.0f, 21.0f), 0.0f);
        if (placement == Placement::kAboveTheCraft) pos.x = random.Between(-0.2f, 0.2f);
        if (placement == Placement::kBesideTheCraft) pos.x = (slot % 2 ? 1.0f : -1.0f) * random.Between(3.0f, 14.0f);
        if (placement != Placement::kSpread) pos.y = random.Between(-4.0f, 21.0f);
        const D3DXVECTOR3 rot(-90.0f, random.Between(0.0f, 360.0f), random.Between(0.0f, 360.0f));
        rays.push_back(ToModelSpace(enemies.models[slot % kEnemyTypes].mesh, pos, rot, craft, up));
    }
    return rays;
}

void RaysOfOneFrame(benchmark::State& state, Placement placement)
{
    EnemyModels enemies;
    if (!enemies.Loaded()) {
        state.SkipWithError("an enemy model did not load (run from the build folder)");
        return;
    }
    const std::vector<Ray> rays = FrameRays(enemies, placement);
    int hits = 0;
    for (auto _ : state) {
        hits = 0;
        for (const Ray& ray : rays) {
            BOOL hit = FALSE;
            float distance = 0.0f;
            D3DXIntersect(ray.mesh, &ray.start, &ray.direction, &hit, nullptr, nullptr, nullptr, &distance, nullptr,
                          nullptr);
            hits += hit ? 1 : 0;
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
