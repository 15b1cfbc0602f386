// The four generated tunes: their structure as Standard MIDI Files for General MIDI, their
// lengths, a loop point on a bar line with nothing ringing past it, and what FluidSynth
// makes of them with the General MIDI SoundFont the game plays them through.
#include <gtest/gtest.h>
#include <fluidsynth.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <string>
#include <vector>

#include "sound_files.h"

namespace {

using namespace soundtest;

constexpr const char* kSoundFont = "/usr/share/sounds/sf2/TimGM6mb.sf2";
constexpr int kDrumChannel = 9;
constexpr int kRate = 22050;

const char* const kTunes[] = {"title.mid", "stage01.mid", "boss.mid", "ending.mid"};

MidiFile Load(const std::string& name)
{
    return ParseMidi(ReadBytes("DATA/snd/" + name));
}

double LoopSeconds(const MidiFile& midi)
{
    return static_cast<double>(midi.trackEnds.front()) / midi.division * midi.microsecondsPerQuarter / 1e6;
}

class Tune : public testing::TestWithParam<const char*> {};

TEST_P(Tune, IsATypeOneFileForGeneralMidi)
{
    const MidiFile midi = Load(GetParam());
    EXPECT_EQ(midi.format, 1);
    EXPECT_EQ(midi.tempoChanges, 1);
    EXPECT_GE(midi.trackEnds.size(), 5u);  // tempo, then melody, harmony, bass and drums at least
    std::set<int> channels;
    for (const MidiNote& note : midi.notes) {
        channels.insert(note.channel);
    }
    EXPECT_TRUE(channels.count(kDrumChannel));
    EXPECT_GE(channels.size(), 4u);
    for (int channel : channels) {
        if (channel != kDrumChannel) {
            EXPECT_TRUE(std::any_of(midi.programs.begin(), midi.programs.end(),
                                    [&](int program) { return program / 128 == channel; }))
                << "channel " << channel << " plays without choosing its instrument";
        }
    }
}

TEST_P(Tune, LoopsOnABarLineWithNothingRingingPastIt)
{
    const MidiFile midi = Load(GetParam());
    const int end = midi.trackEnds.front();
    for (int trackEnd : midi.trackEnds) {
        EXPECT_EQ(trackEnd, end) << "every track must end at the loop point";
    }
    const int bar = 4 * midi.division;
    EXPECT_EQ(end % bar, 0);
    EXPECT_EQ(midi.unfinishedNotes, 0);
    int first = end;
    int last = 0;
    for (const MidiNote& note : midi.notes) {
        first = std::min(first, note.onTick);
        last = std::max(last, note.offTick);
        EXPECT_LE(note.offTick, end);
    }
    EXPECT_EQ(first, 0) << "the tune must start on its first downbeat";
    EXPECT_EQ(last, end) << "the last bar must sound to the loop point";
    const double seconds = LoopSeconds(midi);
    EXPECT_GE(seconds, 60.0);
    EXPECT_LE(seconds, 180.0);
}

// Renders through FluidSynth's own MIDI file player, repeating once, until `seconds`.
std::vector<float> Render(const std::string& name, double seconds, int* tickAtEnd)
{
    fluid_set_log_function(FLUID_WARN, nullptr, nullptr);
    fluid_settings_t* settings = new_fluid_settings();
    fluid_settings_setnum(settings, "synth.sample-rate", kRate);
    fluid_synth_t* synth = new_fluid_synth(settings);
    std::vector<float> mono;
    if (fluid_synth_sfload(synth, kSoundFont, 1) != FLUID_FAILED) {
        fluid_player_t* player = new_fluid_player(synth);
        fluid_player_add(player, ("DATA/snd/" + name).c_str());
        fluid_player_set_loop(player, 2);
        fluid_player_play(player);
        std::vector<float> left(512);
        std::vector<float> right(512);
        while (mono.size() < static_cast<std::size_t>(seconds * kRate)) {
            fluid_synth_write_float(synth, 512, left.data(), 0, 1, right.data(), 0, 1);
            for (std::size_t i = 0; i < left.size(); ++i) {
                mono.push_back(0.5f * (left[i] + right[i]));
            }
        }
        *tickAtEnd = fluid_player_get_current_tick(player);
        delete_fluid_player(player);
    }
    delete_fluid_synth(synth);
    delete_fluid_settings(settings);
    return mono;
}

double WindowDecibels(const std::vector<float>& samples, double from, double length)
{
    const auto begin = static_cast<std::size_t>(from * kRate);
    const auto count = static_cast<std::size_t>(length * kRate);
    double sum = 0.0;
    for (std::size_t i = begin; i < begin + count; ++i) {
        sum += static_cast<double>(samples[i]) * samples[i];
    }
    return 10.0 * std::log10(sum / static_cast<double>(count) + 1e-20);
}

TEST_P(Tune, SoundsThroughFluidSynthAndLoopsWithoutAGap)
{
    const MidiFile midi = Load(GetParam());
    const double loop = LoopSeconds(midi);
    int tick = -1;
    const std::vector<float> sound = Render(GetParam(), loop + 2.0, &tick);
    ASSERT_FALSE(sound.empty()) << "the SoundFont " << kSoundFont << " is missing";

    EXPECT_GT(WindowDecibels(sound, 0.0, loop), -40.0);
    EXPECT_LT(WindowDecibels(sound, 0.0, loop), -20.0);
    const float peak = *std::max_element(sound.begin(), sound.end(),
                                         [](float a, float b) { return std::fabs(a) < std::fabs(b); });
    EXPECT_LT(std::fabs(peak), 1.0f);
    // Two seconds after the loop point the second pass is two seconds in.
    const double ticksPerSecond = midi.division * 1e6 / midi.microsecondsPerQuarter;
    EXPECT_NEAR(tick, 2.0 * ticksPerSecond, ticksPerSecond / 10);
    // And the music carries on across the seam: no quarter second falls silent.
    for (double at = loop - 1.5; at < loop + 1.5; at += 0.25) {
        EXPECT_GT(WindowDecibels(sound, at, 0.25), -50.0) << "silent at " << at << " s";
    }
}

INSTANTIATE_TEST_SUITE_P(AllFour, Tune, testing::ValuesIn(kTunes), [](const testing::TestParamInfo<const char*>& info) {
    std::string name = info.param;
    return name.substr(0, name.find('.'));
});

}  // namespace
