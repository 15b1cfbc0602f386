// The four generated tunes: their structure as Standard MIDI Files for General MIDI, their
// lengths, a loop point on a bar line with nothing ringing past it, and how they sound and
// loop through the game's own music player.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <memory>
#include <numeric>
#include <set>
#include <string>
#include <vector>

#include "audio/music.h"
#include "fake/fake.h"
#include "fake/fake_win32.h"
#include "mixer.h"
#include "music_classes.h"
#include "shell/main_loop.h"
#include "sound_files.h"

namespace {

using namespace soundtest;

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

// The game's music player on a mixer that the test renders, with the window system stood
// in and the build folder, which holds DATA, as the working directory.
class PlayedTune : public testing::TestWithParam<const char*> {
protected:
    void SetUp() override
    {
        fake::Install();
        dmusic::RegisterClasses([this] { return mixer_; }, dmusic::kSoundFontPath);
        fake::SetCurrentDirectory(std::filesystem::current_path().string());
    }
    void TearDown() override
    {
        Cleanup();
        fake::Uninstall();
    }
    // Mono samples, full scale 1.
    std::vector<float> Render(double seconds)
    {
        const int frames = static_cast<int>(seconds * kRate);
        std::vector<std::int16_t> stereo(static_cast<std::size_t>(frames) * 2);
        mixer_->Render(stereo.data(), frames);
        std::vector<float> mono(static_cast<std::size_t>(frames));
        for (std::size_t i = 0; i < mono.size(); ++i) {
            mono[i] = (stereo[2 * i] + stereo[2 * i + 1]) / 65536.0f;
        }
        return mono;
    }

    std::shared_ptr<dsound::Mixer> mixer_ = std::make_shared<dsound::Mixer>(kRate);
};

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

// How alike two stretches sound: the correlation of their loudness, 20 ms at a time.
double EnvelopeCorrelation(const std::vector<float>& samples, double first, double second, double length)
{
    std::vector<double> a;
    std::vector<double> b;
    for (double at = 0.0; at < length; at += 0.02) {
        a.push_back(WindowDecibels(samples, first + at, 0.02));
        b.push_back(WindowDecibels(samples, second + at, 0.02));
    }
    const auto mean = [](const std::vector<double>& v) { return std::accumulate(v.begin(), v.end(), 0.0) / v.size(); };
    const double ma = mean(a);
    const double mb = mean(b);
    double ab = 0.0;
    double aa = 0.0;
    double bb = 0.0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        ab += (a[i] - ma) * (b[i] - mb);
        aa += (a[i] - ma) * (a[i] - ma);
        bb += (b[i] - mb) * (b[i] - mb);
    }
    return ab / std::sqrt(aa * bb);
}

TEST_P(PlayedTune, SoundsThroughTheMusicPlayerAndLoopsWithoutAGap)
{
    const MidiFile midi = Load(GetParam());
    const double loop = LoopSeconds(midi);
    ASSERT_EQ(PlayMidi(GetParam(), 0, 1), S_OK);
    const std::vector<float> sound = Render(loop + 3.0);

    EXPECT_GT(WindowDecibels(sound, 0.0, loop), -40.0);
    EXPECT_LT(WindowDecibels(sound, 0.0, loop), -20.0);
    const float peak = *std::max_element(sound.begin(), sound.end(),
                                         [](float a, float b) { return std::fabs(a) < std::fabs(b); });
    EXPECT_LT(std::fabs(peak), 0.99f);
    // The music carries on across the seam: no quarter second falls silent...
    for (double at = loop - 1.5; at < loop + 1.5; at += 0.25) {
        EXPECT_GT(WindowDecibels(sound, at, 0.25), -50.0) << "silent at " << at << " s";
    }
    // ...and the second time round starts at the loop point, beat for beat like the first.
    EXPECT_GT(EnvelopeCorrelation(sound, 0.2, loop + 0.2, 2.5), 0.8);
    EXPECT_LT(EnvelopeCorrelation(sound, 0.2, loop + 0.35, 2.5), EnvelopeCorrelation(sound, 0.2, loop + 0.2, 2.5));
}

std::string TuneName(const testing::TestParamInfo<const char*>& info)
{
    const std::string name = info.param;
    return name.substr(0, name.find('.'));
}

INSTANTIATE_TEST_SUITE_P(AllFour, Tune, testing::ValuesIn(kTunes), TuneName);
INSTANTIATE_TEST_SUITE_P(AllFour, PlayedTune, testing::ValuesIn(kTunes), TuneName);

}  // namespace
