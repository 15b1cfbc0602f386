// PlaySoundEffect on real buffers: a playing effect restarts from its first sample, a
// stopped one goes on from where it is, and no other effect is touched.
#include <gtest/gtest.h>

#include "audio/sound_effects.h"
#include "riff_bytes.h"
#include "sound_test_support.h"

using namespace test_audio;

namespace {

// Sample i holds the value i + 1, so the output tells which sample played.
std::vector<int16_t> Ramp(int frames)
{
    auto samples = std::vector<int16_t>(size_t(frames));
    for (int i = 0; i < frames; ++i) samples[size_t(i)] = int16_t(i + 1);
    return samples;
}

int16_t LeftAt(const std::vector<int16_t>& stereo, int frame) { return stereo[size_t(frame) * 2]; }

TEST(PlaySoundEffect, RestartsAPlayingEffectFromItsFirstSample)
{
    MixerSound sound;
    IDirectSoundBuffer* effect = sound.Buffer(Samples16(Ramp(1000)));
    PlaySoundEffect(effect);
    EXPECT_EQ(LeftAt(sound.Render(300), 0), 1);
    PlaySoundEffect(effect);
    EXPECT_EQ(LeftAt(sound.Render(1), 0), 1);
    EXPECT_TRUE(Playing(effect));
    effect->Release();
}

TEST(PlaySoundEffect, StartsAStoppedEffectFromWhereItIs)
{
    MixerSound sound;
    IDirectSoundBuffer* effect = sound.Buffer(Samples16(Ramp(1000)));
    PlaySoundEffect(effect);
    sound.Render(300);
    effect->Stop();
    EXPECT_EQ(LeftAt(sound.Render(1), 0), 0);
    PlaySoundEffect(effect);
    EXPECT_EQ(LeftAt(sound.Render(1), 0), 301);

    // An effect that played to its end has rewound: it plays whole again.
    sound.Render(1000);
    EXPECT_FALSE(Playing(effect));
    PlaySoundEffect(effect);
    EXPECT_EQ(LeftAt(sound.Render(1), 0), 1);
    effect->Release();
}

TEST(PlaySoundEffect, RestartingOneEffectLeavesTheOthersSounding)
{
    MixerSound sound;
    IDirectSoundBuffer* shot = sound.Buffer(Samples16(Ramp(1000)));
    IDirectSoundBuffer* siren = sound.Buffer(Samples16(std::vector<int16_t>(1000, 10000)));
    PlaySoundEffect(siren);
    PlaySoundEffect(shot);
    sound.Render(100);
    PlaySoundEffect(shot);
    EXPECT_EQ(LeftAt(sound.Render(1), 0), 10000 + 1);
    shot->Release();
    siren->Release();
}

TEST(PlaySoundEffect, RestartedEveryFrameOnlyTheFirstFramesLengthIsHeard)
{
    // The laser restarts its sound once per frame: 735 samples at 44100 Hz and 60 frames
    // a second, the same 735 over and over.
    MixerSound sound;
    IDirectSoundBuffer* laser = sound.Buffer(Samples16(Ramp(3000)));
    for (int frame = 0; frame < 3; ++frame) {
        PlaySoundEffect(laser);
        const std::vector<int16_t> heard = sound.Render(735);
        EXPECT_EQ(LeftAt(heard, 0), 1);
        EXPECT_EQ(LeftAt(heard, 734), 735);
    }
    laser->Release();
}

}  // namespace
