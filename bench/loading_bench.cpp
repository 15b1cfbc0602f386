// What the game loads: the five sprite sheets at start-up and the fifteen models of the
// stage, decoded for real onto the recording device so that only our own work is timed;
// and one frame of sound: seven effects mixed for 1/60 s, alone and with the stage tune
// playing through the real DirectMusic.
// Run from the build folder: ./bench/loading_bench. Prints the peak memory at the end.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "audio/music.h"

#include "dsound/mixer.h"
#include "fake/call_log.h"
#include "fake/fake.h"
#include "fake/fake_win32.h"
#include "graphics/models.h"
#include "graphics/release_model.h"
#include "music_classes.h"
#include "core/game_object.h"
#include "core/release.h"
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

constexpr int kFrameSamples = 735;  // 1/60 s at 44,100 a second

// Seven looping effects, as many as the game has, all playing.
std::vector<std::shared_ptr<dsound::Voice>> PlayEffects(dsound::Mixer& mixer)
{
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
    return voices;
}

void MixOneFrame(benchmark::State& state)
{
    dsound::Mixer mixer(44100);
    const auto voices = PlayEffects(mixer);
    std::vector<int16_t> out(kFrameSamples * dsound::Mixer::kStereo);
    for (auto _ : state) {
        mixer.Render(out.data(), kFrameSamples);
        benchmark::DoNotOptimize(out.data());
    }
}
BENCHMARK(MixOneFrame)->Unit(benchmark::kMicrosecond);

// The stage tune started by the game's own PlayMidi into a mixer of ours, the window
// system stood in; the seven effects play as well.
void MixOneFrameWithTheTune(benchmark::State& state)
{
    fake::Install();
    const auto mixer = std::make_shared<dsound::Mixer>(44100);
    dmusic::RegisterClasses([mixer] { return mixer; }, dmusic::kSoundFontPath);
    fake::SetCurrentDirectory(std::filesystem::current_path().string());
    if (PlayMidi("stage01.mid", 0, 1) != S_OK) state.SkipWithError("the tune did not start (run from the build folder)");
    const auto voices = PlayEffects(*mixer);
    std::vector<int16_t> out(kFrameSamples * dsound::Mixer::kStereo);
    for (auto _ : state) {
        mixer->Render(out.data(), kFrameSamples);
        benchmark::DoNotOptimize(out.data());
    }
    if (g_musicPerformance) g_musicPerformance->StopEx(g_musicSegment, 0, 0);
    Release(g_musicSegment);
    Release(g_musicPerformance);
    Release(g_musicLoader);
    com::UnregisterAllClasses();
    fake::Uninstall();
}
BENCHMARK(MixOneFrameWithTheTune)->Unit(benchmark::kMicrosecond);

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
