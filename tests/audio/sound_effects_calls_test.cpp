// LoadWaveBuffer and PlaySoundEffect on the DirectSound stand-in: the buffer they ask for,
// the calls in their order, and every failure giving a null buffer with nothing left over.
#include <gtest/gtest.h>

#include "audio/sound_effects.h"
#include "audio/wave_reader.h"
#include "fake/call_log.h"
#include "fake/fake.h"
#include "fake/fake_sound.h"
#include "riff_bytes.h"
#include "shell/startup.h"

using namespace test_audio;

namespace {

class EffectCalls : public ::testing::Test {
protected:
    void SetUp() override
    {
        fake::Install();
        ASSERT_EQ(DirectSoundCreate8(nullptr, &g_directSound, nullptr), DS_OK);
        file_ = WriteTemp("effect_calls.wav", Riff({{"fmt ", Format(1, 1, 22050, 8)}, {"data", Bytes{1, 2, 3, 4, 5}}}));
        fake::ClearCalls();
    }
    void TearDown() override
    {
        g_directSound->Release();
        g_directSound = nullptr;
        fake::Uninstall();
    }
    std::string file_;
};

TEST_F(EffectCalls, LoadWaveBufferAsksForAVolumeControlledBufferAndFillsIt)
{
    IDirectSoundBuffer* buffer = LoadWaveBuffer(file_.c_str());
    ASSERT_NE(buffer, nullptr);
    const std::vector<std::string> expected = {
        "DirectSound.CreateSoundBuffer({" + std::to_string(sizeof(DSBUFFERDESC)) +
            ", CTRLVOLUME|GLOBALFOCUS|GETCURRENTPOSITION2|LOCDEFER, 5, 0}, {PCM, 1, 22050, 22050, 1, 8, 0}, null)",
        "SoundBuffer.Lock(sound1, 0, 5, 0)",
        "SoundBuffer.Unlock(sound1, ptr, 5, null, 0)",
    };
    EXPECT_EQ(fake::Calls(), expected);
    EXPECT_EQ(static_cast<fake::FakeSoundBuffer*>(buffer)->bytes, (Bytes{1, 2, 3, 4, 5}));
    buffer->Release();
}

TEST_F(EffectCalls, AFailedCreationOrLockGivesNullAndReleasesWhatWasMade)
{
    fake::SoundScripts().failSecondaryBuffers = {1};
    EXPECT_EQ(LoadWaveBuffer(file_.c_str()), nullptr);
    fake::SoundScripts().failLock = true;
    EXPECT_EQ(LoadWaveBuffer(file_.c_str()), nullptr);
    EXPECT_EQ(fake::CallsStartingWith("SoundBuffer.Release"), std::vector<std::string>{"SoundBuffer.Release(sound2)"});
    EXPECT_EQ(g_waveFile, nullptr);
    EXPECT_EQ(g_waveFormat, nullptr);
    // A missing file asks DirectSound for nothing.
    fake::ClearCalls();
    EXPECT_EQ(LoadWaveBuffer("./DATA/snd/no-such-effect.wav"), nullptr);
    EXPECT_TRUE(fake::Calls().empty());
}

TEST_F(EffectCalls, PlaySoundEffectStopsAndRewindsOnlyWhatPlays)
{
    IDirectSoundBuffer* buffer = LoadWaveBuffer(file_.c_str());
    ASSERT_NE(buffer, nullptr);
    fake::ClearCalls();
    PlaySoundEffect(buffer);
    PlaySoundEffect(buffer);
    PlaySoundEffect(nullptr);
    const std::vector<std::string> expected = {
        "SoundBuffer.GetStatus(sound1)",          "SoundBuffer.Play(sound1, 0, 0, 0)",
        "SoundBuffer.GetStatus(sound1)",          "SoundBuffer.Stop(sound1)",
        "SoundBuffer.SetCurrentPosition(sound1, 0)", "SoundBuffer.Play(sound1, 0, 0, 0)",
    };
    EXPECT_EQ(fake::Calls(), expected);
    buffer->Release();
}

}  // namespace
