// DirectSound's buffer rules, and the real device: the mix heard through SDL's disk driver.
#include <gtest/gtest.h>

#include <SDL.h>

#include <cstdlib>
#include <fstream>

#include "audio_device.h"
#include "riff_bytes.h"
#include "sound_test_support.h"

using namespace test_audio;

namespace {

HRESULT Create(IDirectSound8* directSound, WAVEFORMATEX format, DWORD flags = DSBCAPS_CTRLVOLUME, DWORD bytes = 64)
{
    DSBUFFERDESC desc = {};
    desc.dwSize = sizeof(DSBUFFERDESC);
    desc.dwFlags = flags;
    desc.dwBufferBytes = bytes;
    desc.lpwfxFormat = &format;
    IDirectSoundBuffer* buffer = nullptr;
    HRESULT result = directSound->CreateSoundBuffer(&desc, &buffer, nullptr);
    EXPECT_EQ(SUCCEEDED(result), buffer != nullptr);
    if (buffer) buffer->Release();
    return result;
}

TEST(DirectSound, MakesBuffersOnlyOfFormatsAndFlagsTheMixerPlays)
{
    MixerSound sound;
    const WAVEFORMATEX pcm = {WAVE_FORMAT_PCM, 2, 22050, 88200, 4, 16, 0};
    EXPECT_EQ(Create(sound.directSound, pcm, 0x58080), DS_OK);  // the flags of the effects

    WAVEFORMATEX format = pcm;
    format.wFormatTag = 3;  // 32-bit float
    format.wBitsPerSample = 32;
    format.nBlockAlign = 8;
    EXPECT_EQ(Create(sound.directSound, format), DSERR_BADFORMAT);
    format = pcm;
    format.wBitsPerSample = 24;
    format.nBlockAlign = 6;
    EXPECT_EQ(Create(sound.directSound, format), DSERR_BADFORMAT);
    format = pcm;
    format.nChannels = 3;
    format.nBlockAlign = 6;
    EXPECT_EQ(Create(sound.directSound, format), DSERR_BADFORMAT);
    format = pcm;
    format.nBlockAlign = 3;
    EXPECT_EQ(Create(sound.directSound, format), DSERR_BADFORMAT);

    EXPECT_EQ(Create(sound.directSound, pcm, DSBCAPS_CTRLPAN), DSERR_UNSUPPORTED);
    EXPECT_EQ(Create(sound.directSound, pcm, DSBCAPS_CTRLVOLUME, 2), DSERR_INVALIDPARAM);  // below one frame
    EXPECT_EQ(Create(sound.directSound, pcm, DSBCAPS_CTRLVOLUME, DSBSIZE_MAX + 1), DSERR_INVALIDPARAM);
}

TEST(DirectSound, LockWrapsRoundTheRingInTwoParts)
{
    MixerSound sound;
    IDirectSoundBuffer* buffer = sound.Buffer(Samples16({1, 2, 3, 4}));
    void* part1 = nullptr;
    void* part2 = nullptr;
    DWORD bytes1 = 0, bytes2 = 0;
    ASSERT_EQ(buffer->Lock(6, 4, &part1, &bytes1, &part2, &bytes2, 0), DS_OK);
    EXPECT_EQ(bytes1, 2u);
    EXPECT_EQ(bytes2, 2u);
    EXPECT_EQ(*static_cast<int16_t*>(part1), 4);
    EXPECT_EQ(*static_cast<int16_t*>(part2), 1);
    EXPECT_EQ(buffer->Lock(0, 2, &part1, &bytes1, nullptr, nullptr, 0), DSERR_INVALIDPARAM);  // still locked
    EXPECT_EQ(buffer->Unlock(part1, bytes1, part2, bytes2), DS_OK);
    EXPECT_EQ(buffer->Lock(8, 2, &part1, &bytes1, nullptr, nullptr, 0), DSERR_INVALIDPARAM);
    EXPECT_EQ(buffer->Lock(0, 10, &part1, &bytes1, &part2, &bytes2, 0), DSERR_INVALIDPARAM);
    EXPECT_EQ(buffer->SetCurrentPosition(8), DSERR_INVALIDPARAM);
    buffer->Release();
}

TEST(DirectSound, WithoutAFactoryThereIsNoDriver)
{
    dsound::SetDirectSoundFactory(nullptr);
    IDirectSound8* directSound = reinterpret_cast<IDirectSound8*>(1);
    EXPECT_EQ(DirectSoundCreate8(nullptr, &directSound, nullptr), DSERR_NODRIVER);
    EXPECT_EQ(directSound, nullptr);
}

// SDL's disk driver writes what the device would play to a file.
class DiskDevice : public ::testing::Test {
protected:
    void SetUp() override
    {
        const char* driver = std::getenv("SDL_AUDIODRIVER");
        savedDriver_ = driver ? driver : "";
        path_ = WriteTemp("disk_device.raw", {});
        setenv("SDL_AUDIODRIVER", "disk", 1);
        setenv("SDL_DISKAUDIOFILE", path_.c_str(), 1);
    }
    void TearDown() override
    {
        setenv("SDL_AUDIODRIVER", savedDriver_.c_str(), 1);
        unsetenv("SDL_DISKAUDIOFILE");
    }
    std::vector<int16_t> Heard() const
    {
        std::ifstream file(path_, std::ios::binary | std::ios::ate);
        std::vector<int16_t> samples(size_t(file.tellg()) / sizeof(int16_t));
        file.seekg(0);
        file.read(reinterpret_cast<char*>(samples.data()), std::streamsize(samples.size() * sizeof(int16_t)));
        return samples;
    }
    std::string savedDriver_;
    std::string path_;
};

TEST_F(DiskDevice, TheDeviceMixesEveryPlayingBufferIntoTheStream)
{
    IDirectSound8* directSound = nullptr;
    ASSERT_EQ(dsound::CreateDeviceDirectSound(nullptr, &directSound, nullptr), DS_OK);
    ASSERT_EQ(directSound->SetCooperativeLevel(reinterpret_cast<HWND>(1), DSSCL_PRIORITY), DS_OK);
    constexpr int kFrames = 2205;  // 50 ms
    const WAVEFORMATEX format = {WAVE_FORMAT_PCM, 1, 44100, 88200, 2, 16, 0};
    DSBUFFERDESC desc = {sizeof(DSBUFFERDESC), DSBCAPS_CTRLVOLUME, kFrames * 2, 0,
                         const_cast<WAVEFORMATEX*>(&format), {}};
    IDirectSoundBuffer* buffers[2] = {};
    for (int i = 0; i < 2; ++i) {
        ASSERT_EQ(directSound->CreateSoundBuffer(&desc, &buffers[i], nullptr), DS_OK);
        void* part = nullptr;
        DWORD bytes = 0;
        ASSERT_EQ(buffers[i]->Lock(0, kFrames * 2, &part, &bytes, nullptr, nullptr, 0), DS_OK);
        std::fill_n(static_cast<int16_t*>(part), kFrames, int16_t(i == 0 ? 10000 : 2345));
        buffers[i]->Unlock(part, bytes, nullptr, 0);
    }
    buffers[0]->SetVolume(-602);
    buffers[0]->Play(0, 0, 0);
    buffers[1]->Play(0, 0, 0);
    // The device plays in real time; wait (bounded) until it has taken both.
    for (int wait = 0; wait < 500 && (Playing(buffers[0]) || Playing(buffers[1])); ++wait) SDL_Delay(10);
    EXPECT_FALSE(Playing(buffers[0]));
    for (IDirectSoundBuffer* buffer : buffers) buffer->Release();
    directSound->Release();  // the last user: the device closes and the file is complete

    // Every frame of each buffer was heard once, at its volume, alone or summed with the
    // other (a device callback may fall between the two Play calls).
    int first = 0, second = 0, both = 0, other = 0;
    const std::vector<int16_t> heard = Heard();
    for (size_t i = 0; i + 1 < heard.size(); i += 2) {
        EXPECT_EQ(heard[i], heard[i + 1]);
        first += heard[i] == 5000;
        second += heard[i] == 2345;
        both += heard[i] == 7345;
        other += heard[i] != 0 && heard[i] != 5000 && heard[i] != 2345 && heard[i] != 7345;
    }
    EXPECT_EQ(first + both, kFrames);
    EXPECT_EQ(second + both, kFrames);
    EXPECT_GE(both, kFrames - 1024);
    EXPECT_EQ(other, 0);
}

}  // namespace
