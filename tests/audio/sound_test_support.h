// Real DirectSound buffers over a mixer that no device drives: the tests render it.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "direct_sound.h"
#include "mixer.h"

namespace test_audio {

constexpr int kRate = 44100;

struct MixerSound {
    std::shared_ptr<dsound::Mixer> mixer = std::make_shared<dsound::Mixer>(kRate);
    IDirectSound8* directSound = dsound::NewDirectSound(mixer);

    ~MixerSound() { directSound->Release(); }

    // A buffer holding the samples as given, 16-bit unless bits says 8.
    IDirectSoundBuffer* Buffer(const std::vector<uint8_t>& bytes, WORD channels = 1, DWORD rate = kRate,
                               WORD bits = 16)
    {
        WAVEFORMATEX format = {WAVE_FORMAT_PCM, channels, rate, rate * channels * bits / 8,
                               WORD(channels * bits / 8), bits, 0};
        DSBUFFERDESC desc = {};
        desc.dwSize = sizeof(DSBUFFERDESC);
        desc.dwFlags = DSBCAPS_CTRLVOLUME;
        desc.dwBufferBytes = DWORD(bytes.size());
        desc.lpwfxFormat = &format;
        IDirectSoundBuffer* buffer = nullptr;
        EXPECT_EQ(directSound->CreateSoundBuffer(&desc, &buffer, nullptr), DS_OK);
        if (!buffer) return nullptr;
        void* part1 = nullptr;
        DWORD bytes1 = 0;
        EXPECT_EQ(buffer->Lock(0, DWORD(bytes.size()), &part1, &bytes1, nullptr, nullptr, 0), DS_OK);
        std::copy(bytes.begin(), bytes.end(), static_cast<uint8_t*>(part1));
        buffer->Unlock(part1, bytes1, nullptr, 0);
        return buffer;
    }

    // Interleaved stereo frames.
    std::vector<int16_t> Render(int frames)
    {
        std::vector<int16_t> out(size_t(frames) * 2);
        mixer->Render(out.data(), frames);
        return out;
    }
};

inline bool Playing(IDirectSoundBuffer* buffer)
{
    DWORD status = 0;
    buffer->GetStatus(&status);
    return (status & DSBSTATUS_PLAYING) != 0;
}

}  // namespace test_audio
