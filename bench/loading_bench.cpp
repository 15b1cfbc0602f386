// What the game loads: the five sprite sheets at start-up and the fifteen models of the
// stage, decoded for real onto the recording device so that only our own work is timed;
// and one frame of sound: seven effects mixed for 1/60 s.
// Run from the build folder: ./bench/loading_bench. Prints the peak memory at the end.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <cstdio>
#include <string>
#include <vector>

#include "dsound/mixer.h"
#include "fake/call_log.h"
#include "fake/fake.h"
#include "graphics/models.h"
#include "graphics/release_model.h"
#include "core/game_object.h"
#include "recording_device.h"
#include "shell/startup.h"

namespace {

void LoadSpriteSheets(benchmark::State& state)
{
    RecordingDevice device;
    const struct {
        const char* file;
        UINT width, height;
    } sheets[] = {{"./DATA/pic/scoreboad.bmp", 640, 480},
                  {"./DATA/pic/Title.bmp", 640, 1024},
                  {"./DATA/pic/game.bmp", 1024, 512},
                  {"./DATA/pic/ABC012.bmp", 512, 512},
                  {"./DATA/pic/endscr.bmp", 512, 1024}};
    for (auto _ : state) {
        for (const auto& sheet : sheets) {
            IDirect3DTexture9* texture = nullptr;
            LoadTexture(&texture, sheet.file, sheet.width, sheet.height, 0xFF000000);
            if (!texture) state.SkipWithError("a sheet did not load");
            else texture->Release();
        }
        fake::ClearCalls();
    }
}
BENCHMARK(LoadSpriteSheets)->Unit(benchmark::kMillisecond);

void LoadStageModels(benchmark::State& state)
{
    RecordingDevice device;
    std::vector<std::string> files = {"wall.x", "skysphere.x", "jiki.x", "tama.x", "missile.x",
                                      "EnemyTama00.x", "BossBom.x", "Boss1.x"};
    for (int type = 0; type < 7; ++type) files.push_back("Enemy" + std::to_string(type) + ".x");
    const D3DXVECTOR3 origin(0, 0, 0), rotation(-90, 0, 0), scale(1, 1, 1);
    const float colour[4] = {1, 1, 1, 1};
    for (auto _ : state) {
        for (const std::string& file : files) {
            GameObject object;
            LoadModel(&object, ("./DATA/XFILE/" + file).c_str(), &origin, &rotation, &scale, colour);
            ComputeBoundingSphere(&object, 1.0f);
            if (!object.mesh) state.SkipWithError("a model did not load");
            // The game keeps its models for the whole run; here each pass frees its own.
            ReleaseModel(object);
        }
        fake::ClearCalls();
    }
}
BENCHMARK(LoadStageModels)->Unit(benchmark::kMillisecond);

void MixOneFrame(benchmark::State& state)
{
    dsound::Mixer mixer(44100);
    std::vector<std::shared_ptr<dsound::Voice>> voices;
    for (int i = 0; i < 7; ++i) {
        auto voice = std::make_shared<dsound::Voice>();
        voice->bytes.assign(22050 * 2, 0x10);
        voice->rate = 22050;
        voice->looping = true;
        voice->playing = true;
        voices.push_back(voice);
        auto lock = mixer.Lock();
        mixer.AddVoice(voice);
    }
    std::vector<int16_t> out(735 * dsound::Mixer::kStereo);
    for (auto _ : state) {
        mixer.Render(out.data(), 735);
        benchmark::DoNotOptimize(out.data());
    }
}
BENCHMARK(MixOneFrame)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    rusage usage = {};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("peak memory: %ld KiB\n", usage.ru_maxrss);
    return 0;
}
