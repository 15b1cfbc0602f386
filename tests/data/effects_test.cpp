// The seven generated sound effects: their format and length, how loud they are once the
// game has loaded them and set the start-up volumes, how they behave when restarted as
// often as the game restarts them, and the shapes of their pitches.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <ostream>
#include <string>

#include "audio/sound_effects.h"
#include "audio/sound_test_support.h"
#include "audio/wave_reader.h"
#include "shell/startup.h"
#include "sound_files.h"

namespace {

using namespace soundtest;

constexpr int kFileRate = 22050;
constexpr int kMixRate = test_audio::kRate;
constexpr double kFrame = 1.0 / 60.0;  // the game runs one frame per retrace at 60 Hz

struct Effect {
    const char* file;
    int volume;  // hundredths of a decibel, as start-up sets it
    double minSeconds;
    double maxSeconds;
    double quietest;  // bounds of the loudest 50 ms as heard, in dB of full scale
    double loudest;
};

// The levels sit 8 dB under the effects' balance, as the tunes do: the mix's headroom.
const Effect kEffects[] = {
    {"enter.wav", -1400, 0.3, 0.6, -33.0, -25.0},
    {"shot.wav", -1000, 0.08, 20 * kFrame, -30.0, -23.0},  // auto-fire restarts it every 20 frames
    {"EnemyDie.wav", 0, 0.3, 1.0, -23.0, -17.0},
    {"damege.wav", 0, 0.15, 0.6, -24.0, -18.0},
    {"siren.wav", 0, 0.5, 50 * kFrame, -23.0, -17.0},      // sounds every 50 frames
    {"laser.wav", 0, 0.2, 0.8, -27.0, -21.0},
    {"BossDie.wav", 0, 1.0, 2.5, -18.0, -13.0},
};

void PrintTo(const Effect& effect, std::ostream* out)
{
    *out << effect.file;
}

const Effect& Find(const std::string& file)
{
    return *std::find_if(std::begin(kEffects), std::end(kEffects),
                         [&](const Effect& effect) { return file == effect.file; });
}

std::string PathOf(const std::string& file)
{
    return "./DATA/snd/" + file;
}

struct Wave {
    WAVEFORMATEX format{};
    std::vector<double> samples;  // full scale 1
};

// The file as the game's WAV reader reads it.
Wave Load(const std::string& file)
{
    Wave wave;
    if (!WaveOpen(PathOf(file).c_str())) {
        ADD_FAILURE() << file << " does not open";
        if (g_waveFile) {
            WaveClose();
        }
        std::free(g_waveFormat);
        g_waveFormat = nullptr;
        return wave;
    }
    std::vector<BYTE> bytes(g_waveDataChunk.cksize);
    UINT read = 0;
    EXPECT_TRUE(WaveRead(static_cast<UINT>(bytes.size()), bytes.data(), &read, &wave.format));
    WaveClose();
    for (UINT i = 0; i + 1 < read; i += 2) {
        wave.samples.push_back(static_cast<std::int16_t>(bytes[i] | bytes[i + 1] << 8) / 32768.0);
    }
    return wave;
}

// The effect as the game plays it: LoadWaveBuffer, the start-up volume, then PlaySoundEffect
// every `restartFrames` game frames (never again when 0), mixed at the device rate for
// `seconds`. The left channel, full scale 1; empty when the file does not load.
std::vector<double> HeardInGame(const Effect& effect, double seconds, int restartFrames = 0)
{
    test_audio::MixerSound sound;
    g_directSound = sound.directSound;
    IDirectSoundBuffer* buffer = LoadWaveBuffer(PathOf(effect.file).c_str());
    g_directSound = nullptr;
    if (!buffer) {
        return {};
    }
    buffer->SetVolume(effect.volume);
    const int frameSamples = kMixRate / 60;
    const int total = static_cast<int>(seconds * kMixRate);
    std::vector<double> left;
    for (int at = 0; at < total; at += frameSamples) {
        if (at == 0 || (restartFrames > 0 && (at / frameSamples) % restartFrames == 0)) {
            PlaySoundEffect(buffer);
        }
        const std::vector<std::int16_t> stereo = sound.Render(frameSamples);
        for (std::size_t i = 0; i < stereo.size(); i += 2) {
            left.push_back(stereo[i] / 32768.0);
        }
    }
    buffer->Release();
    return left;
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
double LoudestWindow(const std::vector<double>& samples, int rate)
{
    const auto window = static_cast<std::size_t>(rate / 20);
    double loudest = 0.0;
    for (std::size_t start = 0; start + window <= samples.size(); start += window / 4) {
        loudest = std::max(loudest, Rms(samples, start, window));
    }
    return loudest;
}

// Upward zero crossings per second over a stretch: the pitch of a tone.
double CrossingRate(const std::vector<double>& samples, double from, double to)
{
    const auto begin = static_cast<std::size_t>(from * kFileRate);
    const auto end = std::min(samples.size(), static_cast<std::size_t>(to * kFileRate));
    int crossings = 0;
    for (std::size_t i = begin + 1; i < end; ++i) {
        crossings += samples[i - 1] < 0.0 && samples[i] >= 0.0;
    }
    return crossings / (to - from);
}

double Heard(const Effect& effect)
{
    return Decibels(LoudestWindow(HeardInGame(effect, effect.maxSeconds), kMixRate));
}

class EffectFile : public testing::TestWithParam<Effect> {};

TEST_P(EffectFile, IsMonoSixteenBitPcmOfItsLengthAndStartsAndEndsSilent)
{
    const Effect& effect = GetParam();
    const Wave wave = Load(effect.file);
    EXPECT_EQ(wave.format.wFormatTag, WAVE_FORMAT_PCM);
    EXPECT_EQ(wave.format.nChannels, 1);
    EXPECT_EQ(wave.format.nSamplesPerSec, static_cast<DWORD>(kFileRate));
    EXPECT_EQ(wave.format.wBitsPerSample, 16);
    EXPECT_EQ(wave.format.nBlockAlign, 2);
    EXPECT_EQ(wave.format.nAvgBytesPerSec, static_cast<DWORD>(2 * kFileRate));
    EXPECT_EQ(wave.format.cbSize, 0);
    const double seconds = static_cast<double>(wave.samples.size()) / kFileRate;
    EXPECT_GE(seconds, effect.minSeconds);
    EXPECT_LE(seconds, effect.maxSeconds);
    // No click when the game starts an effect or when it runs out.
    ASSERT_GT(wave.samples.size(), 1000u);
    EXPECT_LT(std::fabs(wave.samples.front()), 0.02);
    EXPECT_LT(Rms(wave.samples, wave.samples.size() - 220, 220), 0.005);
}

TEST_P(EffectFile, LoadsInTheGameAndPlaysForItsLength)
{
    const Effect& effect = GetParam();
    test_audio::MixerSound sound;
    g_directSound = sound.directSound;
    IDirectSoundBuffer* buffer = LoadWaveBuffer(PathOf(effect.file).c_str());
    g_directSound = nullptr;
    ASSERT_NE(buffer, nullptr);
    const double seconds = static_cast<double>(Load(effect.file).samples.size()) / kFileRate;
    PlaySoundEffect(buffer);
    sound.Render(static_cast<int>((seconds - 0.01) * kMixRate));
    EXPECT_TRUE(test_audio::Playing(buffer));
    sound.Render(static_cast<int>(0.02 * kMixRate));
    EXPECT_FALSE(test_audio::Playing(buffer));
    buffer->Release();
}

TEST_P(EffectFile, SitsAtItsLevelInTheGameWithoutClipping)
{
    const Effect& effect = GetParam();
    const std::vector<double> heard = HeardInGame(effect, effect.maxSeconds);
    ASSERT_FALSE(heard.empty()) << "LoadWaveBuffer refused " << effect.file;
    const double level = Decibels(LoudestWindow(heard, kMixRate));
    EXPECT_GE(level, effect.quietest);
    EXPECT_LE(level, effect.loudest);
    EXPECT_LT(*std::max_element(heard.begin(), heard.end()), 0.95);
    EXPECT_GT(*std::min_element(heard.begin(), heard.end()), -0.95);
}

INSTANTIATE_TEST_SUITE_P(AllSeven, EffectFile, testing::ValuesIn(kEffects),
                         [](const testing::TestParamInfo<Effect>& info) {
                             std::string name = info.param.file;
                             return name.substr(0, name.find('.'));
                         });

TEST(Effects, BigExplosionIsTheLoudestAndShotsStayUnderTheBursts)
{
    const double boss = Heard(Find("BossDie.wav"));
    for (const Effect& effect : kEffects) {
        if (std::string(effect.file) != "BossDie.wav") {
            EXPECT_LT(Heard(effect), boss) << effect.file;
        }
    }
    EXPECT_LT(Heard(Find("shot.wav")), Heard(Find("EnemyDie.wav")) - 3.0);
    // The laser can run for many seconds, so it stays under the siren that warns of the boss.
    EXPECT_LT(Heard(Find("laser.wav")), Heard(Find("siren.wav")));
}

TEST(Effects, LaserRestartedEveryFrameHoldsAsASteadyBeam)
{
    // The stage restarts the laser every frame, so its first 1/60 s is all the player hears.
    const Effect& laser = Find("laser.wav");
    const std::vector<double> held = HeardInGame(laser, 1.0, 1);
    const double once = Decibels(LoudestWindow(HeardInGame(laser, laser.maxSeconds), kMixRate));
    EXPECT_NEAR(Decibels(Rms(held, 0, held.size())), once, 2.0);
    double quietestWindow = 1.0;
    for (std::size_t at = 0; at + kMixRate / 20 <= held.size(); at += kMixRate / 20) {
        quietestWindow = std::min(quietestWindow, Rms(held, at, kMixRate / 20));
    }
    EXPECT_GT(Decibels(quietestWindow), once - 3.0) << "the beam stutters";
}

TEST(Effects, DamageRestartedEveryFrameOfAContactStillSoundsAsHits)
{
    const Effect& damage = Find("damege.wav");
    const std::vector<double> held = HeardInGame(damage, 1.0, 1);
    EXPECT_GT(Decibels(Rms(held, 0, held.size())), Heard(damage) - 6.0);
}

TEST(Effects, PitchesMoveTheWayTheyShould)
{
    const Wave enter = Load("enter.wav");
    EXPECT_GT(CrossingRate(enter.samples, 0.1, 0.3), 1.2 * CrossingRate(enter.samples, 0.0, 0.06));  // rises
    const Wave shot = Load("shot.wav");
    EXPECT_GT(CrossingRate(shot.samples, 0.02, 0.05), 2.0 * CrossingRate(shot.samples, 0.1, 0.14));  // falls
    const Wave siren = Load("siren.wav");
    EXPECT_GT(CrossingRate(siren.samples, 0.45, 0.55), 1.4 * CrossingRate(siren.samples, 0.02, 0.12));  // whoops up
}

TEST(Effects, OneFileCarriesAListChunkBetweenFormatAndData)
{
    // The reader has to step over chunks it does not know; the big explosion makes it do so.
    EXPECT_EQ(RiffChunkIds(ReadBytes(PathOf("BossDie.wav"))), (std::vector<std::string>{"fmt ", "LIST", "data"}));
    EXPECT_EQ(RiffChunkIds(ReadBytes(PathOf("shot.wav"))), (std::vector<std::string>{"fmt ", "data"}));
    // And the game's reader still finds every sample behind it.
    EXPECT_EQ(Load("BossDie.wav").samples.size(), static_cast<std::size_t>(1.8 * kFileRate));
}

}  // namespace
