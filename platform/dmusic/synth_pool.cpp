// The synthesisers' pool: every synthesiser made, with its settings, and whether it is lent.
#include "synth_pool.h"

#include <fluidsynth.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <mutex>
#include <vector>

namespace dmusic {

namespace {

// TimGM6mb is quiet: 0.5 would put the tunes near -21 dB, under the effects, with their drum
// hits peaking near -2 dB on their own. The tunes sit 8 dB under that, as the generated
// effects sit 8 dB under their balanced peaks, so the balance holds and bursts of effects
// over a tune stay under full scale.
constexpr double kSynthGain = 0.5 * 0.398;

struct Synthesiser {
    fluid_settings_t* settings;
    fluid_synth_t* synth;
    int rate;
    std::string soundFontPath;
    bool lent;
};

struct Pool {
    static constexpr int kBlock = 512;

    std::mutex mutex;
    std::vector<Synthesiser> synthesisers;
    int members = 0;
    std::array<float, kBlock> left = {};  // where a returned synthesiser rings out, unheard
    std::array<float, kBlock> right = {};

    ~Pool() { FreeIdle(); }
    static void Free(const Synthesiser& held)
    {
        delete_fluid_synth(held.synth);
        delete_fluid_settings(held.settings);
    }
    void FreeIdle()
    {
        std::erase_if(synthesisers, [](const Synthesiser& held) {
            if (!held.lent) Free(held);
            return !held.lent;
        });
    }
};

Pool& ThePool()
{
    static Pool pool;
    return pool;
}

// FluidSynth's warnings about a tune's details are no concern of the player's.
void QuietenSynthesiserLog()
{
    static const bool quiet = [] {
        fluid_set_log_function(FLUID_WARN, nullptr, nullptr);
        fluid_set_log_function(FLUID_INFO, nullptr, nullptr);
        fluid_set_log_function(FLUID_DBG, nullptr, nullptr);
        return true;
    }();
    (void)quiet;
}

// A new synthesiser whose player keeps time by the samples it renders, with the whole
// SoundFont loaded now, before any mix can see it.
bool Make(int rate, const std::string& soundFontPath, Synthesiser& made)
{
    QuietenSynthesiserLog();
    fluid_settings_t* settings = new_fluid_settings();
    if (!settings) return false;
    fluid_settings_setnum(settings, "synth.sample-rate", double(rate));
    fluid_settings_setnum(settings, "synth.gain", kSynthGain);
    fluid_settings_setstr(settings, "player.timing-source", "sample");
    fluid_synth_t* synth = new_fluid_synth(settings);
    if (!synth || fluid_synth_sfload(synth, soundFontPath.c_str(), 1) == FLUID_FAILED) {
        if (synth) delete_fluid_synth(synth);
        delete_fluid_settings(settings);
        return false;
    }
    made = {settings, synth, rate, soundFontPath, true};
    return true;
}

// Renders a synthesiser into nothing until its reverberation and chorus have died away: a
// stretch of blocks that would all round to silence. The effects keep their sound while a
// synthesiser is not rendered, and the next tune would start with the end of this one.
// Bounded, for a synthesiser that never falls quiet.
bool Silent(const std::array<float, Pool::kBlock>& samples)
{
    constexpr float kHalfStep = 0.5f / 32767.0f;  // below this a sample rounds to zero
    return std::all_of(samples.begin(), samples.end(), [](float v) { return std::abs(v) < kHalfStep; });
}

void RingOut(Pool& pool, fluid_synth_t* synth)
{
    constexpr int kQuietBlocks = 16;
    constexpr int kMostBlocks = 1000;  // about 12 s at 44.1 kHz
    int quiet = 0;
    for (int block = 0; block < kMostBlocks && quiet < kQuietBlocks; ++block) {
        fluid_synth_write_float(synth, Pool::kBlock, pool.left.data(), 0, 1, pool.right.data(), 0, 1);
        quiet = Silent(pool.left) && Silent(pool.right) ? quiet + 1 : 0;
    }
}

}  // namespace

fluid_synth_t* BorrowSynthesiser(int rate, const std::string& soundFontPath)
{
    Pool& pool = ThePool();
    {
        std::lock_guard<std::mutex> lock(pool.mutex);
        for (Synthesiser& held : pool.synthesisers) {
            if (!held.lent && held.rate == rate && held.soundFontPath == soundFontPath) {
                held.lent = true;
                return held.synth;
            }
        }
    }
    // Made outside the lock: loading the SoundFont takes a while.
    Synthesiser made;
    if (!Make(rate, soundFontPath, made)) return nullptr;
    std::lock_guard<std::mutex> lock(pool.mutex);
    pool.synthesisers.push_back(made);
    return made.synth;
}

void ReturnSynthesiser(fluid_synth_t* synth)
{
    fluid_synth_all_sounds_off(synth, -1);
    fluid_synth_system_reset(synth);
    Pool& pool = ThePool();
    std::lock_guard<std::mutex> lock(pool.mutex);
    RingOut(pool, synth);
    pool.FreeIdle();
    for (Synthesiser& held : pool.synthesisers)
        if (held.synth == synth) held.lent = false;
    if (pool.members == 0) pool.FreeIdle();
}

void JoinSynthesiserPool()
{
    Pool& pool = ThePool();
    std::lock_guard<std::mutex> lock(pool.mutex);
    ++pool.members;
}

void LeaveSynthesiserPool()
{
    Pool& pool = ThePool();
    std::lock_guard<std::mutex> lock(pool.mutex);
    if (--pool.members == 0) pool.FreeIdle();
}

size_t LiveSynthesisers()
{
    Pool& pool = ThePool();
    std::lock_guard<std::mutex> lock(pool.mutex);
    return pool.synthesisers.size();
}

}  // namespace dmusic
