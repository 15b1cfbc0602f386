// The seven generated sound effects: their format, their lengths against how often the game
// restarts them, their levels once start-up has set the volumes, and their pitch shapes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <ostream>
#include <string>

#include "sound_files.h"

namespace {

using namespace soundtest;

constexpr int kRate = 22050;
constexpr double kFrame = 1.0 / 60.0;  // the game runs one frame per retrace at 60 Hz

struct Effect {
    const char* file;
    int volume;          // hundredths of a decibel, as start-up sets it
    double minSeconds;
    double maxSeconds;
    double quietest;     // bounds of the loudest 50 ms as heard, in dB of full scale
    double loudest;
};

const Effect kEffects[] = {
    {"enter.wav", -1400, 0.3, 0.6, -25.0, -17.0},
    {"shot.wav", -1000, 0.08, 20 * kFrame, -22.0, -15.0},  // auto-fire restarts it every 20 frames
    {"EnemyDie.wav", 0, 0.3, 1.0, -15.0, -9.0},
    {"damege.wav", 0, 0.15, 0.6, -16.0, -10.0},
    {"siren.wav", 0, 0.5, 50 * kFrame, -15.0, -9.0},       // sounds every 50 frames
    {"laser.wav", 0, 0.2, 0.8, -19.0, -13.0},
    {"BossDie.wav", 0, 1.0, 2.5, -10.0, -5.0},
};

void PrintTo(const Effect& effect, std::ostream* out)
{
    *out << effect.file;
}

WaveFile Load(const std::string& name)
{
    return ParseWave(ReadBytes("DATA/snd/" + name));
}

double Decibels(double amplitude)
{
    return 20.0 * std::log10(std::max(amplitude, 1e-9));
}

double Rms(const std::vector<double>& samples, std::size_t begin, std::size_t count)
{
    double sum = 0.0;
    for (std::size_t i = begin; i < begin + count && i < samples.size(); ++i) {
        sum += samples[i] * samples[i];
    }
    return std::sqrt(sum / static_cast<double>(count));
}

// The loudest 50 ms stretch: how loud a short effect sounds.
double LoudestWindow(const std::vector<double>& samples)
{
    const std::size_t window = kRate / 20;
    double loudest = 0.0;
    for (std::size_t start = 0; start + window <= samples.size(); start += window / 4) {
        loudest = std::max(loudest, Rms(samples, start, window));
    }
    return loudest;
}

// Upward zero crossings per second over a stretch: the pitch of a tone.
double CrossingRate(const std::vector<double>& samples, double from, double to)
{
    const auto begin = static_cast<std::size_t>(from * kRate);
    const auto end = std::min(samples.size(), static_cast<std::size_t>(to * kRate));
    int crossings = 0;
    for (std::size_t i = begin + 1; i < end; ++i) {
        crossings += samples[i - 1] < 0.0 && samples[i] >= 0.0;
    }
    return crossings / (to - from);
}

double Heard(const Effect& effect, const WaveFile& wave)
{
    return Decibels(LoudestWindow(wave.samples)) + effect.volume / 100.0;
}

class EffectFile : public testing::TestWithParam<Effect> {};

TEST_P(EffectFile, IsMonoSixteenBitPcmOfItsLength)
{
    const Effect& effect = GetParam();
    const WaveFile wave = Load(effect.file);
    EXPECT_EQ(wave.formatTag, 1);
    EXPECT_EQ(wave.channels, 1);
    EXPECT_EQ(wave.sampleRate, kRate);
    EXPECT_EQ(wave.bitsPerSample, 16);
    EXPECT_EQ(wave.blockAlign, 2);
    EXPECT_EQ(wave.bytesPerSecond, 2 * kRate);
    const double seconds = static_cast<double>(wave.samples.size()) / kRate;
    EXPECT_GE(seconds, effect.minSeconds);
    EXPECT_LE(seconds, effect.maxSeconds);
}

TEST_P(EffectFile, SitsAtItsLevelWithoutClippingOrClicks)
{
    const Effect& effect = GetParam();
    const WaveFile wave = Load(effect.file);
    ASSERT_GT(wave.samples.size(), 1000u);
    const double heard = Heard(effect, wave);
    EXPECT_GE(heard, effect.quietest);
    EXPECT_LE(heard, effect.loudest);
    double peak = 0.0;
    for (double s : wave.samples) {
        peak = std::max(peak, std::fabs(s));
    }
    EXPECT_LT(peak, 0.95);
    // Starting and stopping at silence: no click when the game starts or cuts an effect.
    EXPECT_LT(std::fabs(wave.samples.front()), 0.02);
    EXPECT_LT(Rms(wave.samples, wave.samples.size() - 220, 220), 0.005);
}

INSTANTIATE_TEST_SUITE_P(AllSeven, EffectFile, testing::ValuesIn(kEffects),
                         [](const testing::TestParamInfo<Effect>& info) {
                             std::string name = info.param.file;
                             return name.substr(0, name.find('.'));
                         });

const Effect& Find(const std::string& file)
{
    return *std::find_if(std::begin(kEffects), std::end(kEffects),
                         [&](const Effect& effect) { return file == effect.file; });
}

TEST(Effects, BigExplosionIsTheLoudestAndShotsStayUnderTheBursts)
{
    const double boss = Heard(Find("BossDie.wav"), Load("BossDie.wav"));
    for (const Effect& effect : kEffects) {
        if (std::string(effect.file) != "BossDie.wav") {
            EXPECT_LT(Heard(effect, Load(effect.file)), boss) << effect.file;
        }
    }
    const double shot = Heard(Find("shot.wav"), Load("shot.wav"));
    EXPECT_LT(shot, Heard(Find("EnemyDie.wav"), Load("EnemyDie.wav")) - 3.0);
    // The laser can run for many seconds, so it stays under the siren that warns of the boss.
    EXPECT_LT(Heard(Find("laser.wav"), Load("laser.wav")), Heard(Find("siren.wav"), Load("siren.wav")));
}

TEST(Effects, LaserSoundsAsABeamFromItsFirstFrame)
{
    // The stage restarts the laser every frame, so its first 1/60 s is all the player hears.
    const WaveFile laser = Load("laser.wav");
    const auto frame = static_cast<std::size_t>(kFrame * kRate);
    const double first = Decibels(Rms(laser.samples, 0, frame));
    EXPECT_GT(first, Decibels(LoudestWindow(laser.samples)) - 2.0);
    EXPECT_GT(CrossingRate(laser.samples, 0.0, kFrame), 200.0);
}

TEST(Effects, DamageHitsAtOnce)
{
    // A contact restarts it every frame: its first frame must already be the hit.
    const WaveFile damage = Load("damege.wav");
    const auto frame = static_cast<std::size_t>(kFrame * kRate);
    EXPECT_GT(Decibels(Rms(damage.samples, 0, frame)), Decibels(LoudestWindow(damage.samples)) - 3.0);
}

TEST(Effects, PitchesMoveTheWayTheyShould)
{
    const WaveFile enter = Load("enter.wav");
    EXPECT_GT(CrossingRate(enter.samples, 0.1, 0.3), 1.2 * CrossingRate(enter.samples, 0.0, 0.06));  // rises
    const WaveFile shot = Load("shot.wav");
    EXPECT_GT(CrossingRate(shot.samples, 0.02, 0.05), 2.0 * CrossingRate(shot.samples, 0.1, 0.14));  // falls
    const WaveFile siren = Load("siren.wav");
    EXPECT_GT(CrossingRate(siren.samples, 0.45, 0.55), 1.4 * CrossingRate(siren.samples, 0.02, 0.12));  // whoops up
}

TEST(Effects, OneFileCarriesAListChunkBetweenFormatAndData)
{
    // The reader has to step over chunks it does not know; the big explosion makes it do so.
    const WaveFile boss = Load("BossDie.wav");
    EXPECT_EQ(boss.chunks, (std::vector<std::string>{"fmt ", "LIST", "data"}));
    EXPECT_EQ(Load("shot.wav").chunks, (std::vector<std::string>{"fmt ", "data"}));
}

}  // namespace
