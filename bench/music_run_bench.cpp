// The music of a whole run: the four tunes started in turn by PlayMidi as the scenes start
// them (the title's, then the stage's, the boss's and the ending's, each stopping the one
// before), each followed by ten seconds of mixing in the device's block size, on the real
// DirectMusic over a mixer of our own with the window system stood in. Every tune's
// objects stay alive to the end of the run, as the game keeps them.
// Counters: mix_cpu_ms, the CPU time of all the mixing of one run; start_ms, the four tune
// starts together; rss_MiB, the resident memory the run's music added.
// Run from the build folder: ./bench/music_run_bench.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <vector>

#include "audio/music.h"
#include "fake/fake.h"
#include "fake/fake_win32.h"
#include "music_classes.h"

namespace {

constexpr int kRate = 44100;
constexpr int kDeviceBlock = 1024;  // frames the audio device asks for at a time
constexpr int kSecondsPerTune = 10;

double ThreadCpuMs()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

double ResidentMiB()
{
    long pages = 0, resident = 0;
    std::FILE* statm = std::fopen("/proc/self/statm", "r");
    if (statm && std::fscanf(statm, "%ld %ld", &pages, &resident) != 2) resident = 0;
    if (statm) std::fclose(statm);
    return double(resident) * 4096.0 / (1 << 20);
}

void MixAWholeRunsMusic(benchmark::State& state)
{
    fake::Install();
    const auto mixer = std::make_shared<dsound::Mixer>(kRate);
    dmusic::RegisterClasses([mixer] { return mixer; }, dmusic::kSoundFontPath);
    fake::SetCurrentDirectory(std::filesystem::current_path().string());
    const struct {
        const char* file;
        uint8_t stop;
    } tunes[] = {{"title.mid", 0}, {"stage01.mid", 1}, {"boss.mid", 1}, {"ending.mid", 1}};
    std::vector<int16_t> out(kDeviceBlock * dsound::Mixer::kStereo);

    double mixMs = 0, startMs = 0, addedMiB = 0;
    for (auto _ : state) {
        std::vector<IUnknown*> kept;
        const double residentBefore = ResidentMiB();
        for (const auto& tune : tunes) {
            const auto started = std::chrono::steady_clock::now();
            if (PlayMidi(tune.file, tune.stop, 1) != S_OK) state.SkipWithError("a tune did not start");
            startMs += std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - started).count();
            kept.insert(kept.end(), {g_musicLoader, g_musicPerformance, g_musicSegment});
            const double cpuBefore = ThreadCpuMs();
            for (int frames = 0; frames < kSecondsPerTune * kRate; frames += kDeviceBlock)
                mixer->Render(out.data(), kDeviceBlock);
            mixMs += ThreadCpuMs() - cpuBefore;
        }
        addedMiB += ResidentMiB() - residentBefore;
        g_musicPerformance->StopEx(g_musicSegment, 0, 0);
        for (IUnknown* object : kept) object->Release();
        g_musicLoader = nullptr;
        g_musicPerformance = nullptr;
        g_musicSegment = nullptr;
    }
    const double runs = double(state.iterations());
    state.counters["mix_cpu_ms"] = mixMs / runs;
    state.counters["start_ms"] = startMs / runs;
    state.counters["rss_MiB"] = addedMiB / runs;
    com::UnregisterAllClasses();
    fake::Uninstall();
}
BENCHMARK(MixAWholeRunsMusic)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
