// The mixer's output for known inputs: exact copies at the device rate, volume in
// hundredths of a decibel, sums, clipping, 8-bit and stereo samples, resampling, and
// buffers that end, loop and restart on their own.
#include <gtest/gtest.h>

#include "riff_bytes.h"
#include "sound_test_support.h"

using namespace test_audio;

namespace {

TEST(Mixer, PlaysSamplesUnchangedAtTheDeviceRateInBothChannels)
{
    MixerSound sound;
    IDirectSoundBuffer* buffer = sound.Buffer(Samples16({100, -200, 32767, -32768}));
    buffer->Play(0, 0, 0);
    std::vector<int16_t> out = sound.Render(6);
    EXPECT_EQ(out, (std::vector<int16_t>{100, 100, -200, -200, 32767, 32767, -32768, -32768, 0, 0, 0, 0}));
    buffer->Release();
}

TEST(Mixer, VolumeIsInHundredthsOfADecibel)
{
    MixerSound sound;
    IDirectSoundBuffer* buffer = sound.Buffer(Samples16({10000, 10000, 10000, 10000}));
    buffer->SetVolume(-602);  // -6.02 dB: half the amplitude
    buffer->Play(0, 0, 0);
    EXPECT_EQ(sound.Render(1)[0], 5000);
    buffer->SetVolume(-2000);  // -20 dB: a tenth
    EXPECT_EQ(sound.Render(1)[0], 1000);
    buffer->SetVolume(DSBVOLUME_MIN);  // -100 dB: nothing left of a 16-bit sample
    EXPECT_EQ(sound.Render(1)[0], 0);
    EXPECT_EQ(buffer->SetVolume(1), DSERR_INVALIDPARAM);
    EXPECT_EQ(buffer->SetVolume(DSBVOLUME_MIN - 1), DSERR_INVALIDPARAM);
    LONG volume = 0;
    buffer->GetVolume(&volume);
    EXPECT_EQ(volume, DSBVOLUME_MIN);
    buffer->Release();
}

TEST(Mixer, SumsEffectsAndClipsInsteadOfWrapping)
{
    MixerSound sound;
    IDirectSoundBuffer* a = sound.Buffer(Samples16({1000, 20000, -20000, 5}));
    IDirectSoundBuffer* b = sound.Buffer(Samples16({234, 20000, -20000, 7}));
    a->Play(0, 0, 0);
    b->Play(0, 0, 0);
    std::vector<int16_t> out = sound.Render(4);
    EXPECT_EQ(out[0], 1234);
    EXPECT_EQ(out[2], 32767);
    EXPECT_EQ(out[4], -32768);
    EXPECT_EQ(out[6], 12);
    a->Release();
    b->Release();
}

TEST(Mixer, ReadsEightBitUnsignedAndStereoSamples)
{
    MixerSound sound;
    IDirectSoundBuffer* eight = sound.Buffer({0x80, 0xFF, 0x00, 0xC0}, 1, kRate, 8);
    eight->Play(0, 0, 0);
    std::vector<int16_t> out = sound.Render(4);
    EXPECT_EQ(out, (std::vector<int16_t>{0, 0, 32512, 32512, -32768, -32768, 16384, 16384}));
    eight->Release();

    IDirectSoundBuffer* stereo = sound.Buffer(Samples16({300, -300, 7, 9}), 2);
    stereo->Play(0, 0, 0);
    EXPECT_EQ(sound.Render(2), (std::vector<int16_t>{300, -300, 7, 9}));
    stereo->Release();
}

TEST(Mixer, ResamplesOtherRatesByInterpolation)
{
    MixerSound sound;
    IDirectSoundBuffer* buffer = sound.Buffer(Samples16({0, 1000, 3000, -1000}), 1, kRate / 2);
    buffer->Play(0, 0, 0);
    std::vector<int16_t> out = sound.Render(8);
    const std::vector<int16_t> left = {out[0], out[2], out[4], out[6], out[8], out[10], out[12], out[14]};
    EXPECT_EQ(left, (std::vector<int16_t>{0, 500, 1000, 2000, 3000, 1000, -1000, -1000}));
    EXPECT_FALSE(Playing(buffer));
    buffer->Release();
}

TEST(Mixer, AOnceBufferStopsAtItsEndAndRewindsALoopingOneGoesRound)
{
    MixerSound sound;
    IDirectSoundBuffer* once = sound.Buffer(Samples16({1, 2, 3}));
    IDirectSoundBuffer* looping = sound.Buffer(Samples16({10, 20}));
    once->Play(0, 0, 0);
    looping->Play(0, 0, DSBPLAY_LOOPING);
    std::vector<int16_t> out = sound.Render(5);
    EXPECT_EQ(out, (std::vector<int16_t>{11, 11, 22, 22, 13, 13, 20, 20, 10, 10}));
    EXPECT_FALSE(Playing(once));
    DWORD position = 99;
    once->GetCurrentPosition(&position, nullptr);
    EXPECT_EQ(position, 0u);
    EXPECT_TRUE(Playing(looping));

    // Played again, it starts from its first sample.
    looping->Stop();
    once->Play(0, 0, 0);
    EXPECT_EQ(sound.Render(1)[0], 1);
    once->Release();
    looping->Release();
}

TEST(Mixer, ThePrimaryBufferVolumeScalesTheWholeMix)
{
    MixerSound sound;
    DSBUFFERDESC desc = {};
    desc.dwSize = sizeof(DSBUFFERDESC);
    desc.dwFlags = DSBCAPS_PRIMARYBUFFER | DSBCAPS_CTRLVOLUME;
    IDirectSoundBuffer* primary = nullptr;
    ASSERT_EQ(sound.directSound->CreateSoundBuffer(&desc, &primary, nullptr), DS_OK);
    IDirectSoundBuffer* buffer = sound.Buffer(Samples16({8000, 8000}));
    primary->SetVolume(-602);
    buffer->SetVolume(-602);
    buffer->Play(0, 0, 0);
    EXPECT_EQ(sound.Render(1)[0], 2000);
    EXPECT_EQ(primary->Play(0, 0, 0), DSERR_INVALIDCALL);
    buffer->Release();
    primary->Release();
}

}  // namespace
