// Our own mixer: every playing secondary buffer and every stream (the music synthesiser)
// summed into one stereo 16-bit stream at the device's rate. Deterministic: tests call
// Render themselves; the audio device calls it from its callback.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

namespace dsound {

// The samples of one secondary buffer and how it plays. The format is fixed when the
// buffer is made; the rest changes only with the mixer's lock held.
struct Voice {
    std::vector<uint8_t> bytes;  // PCM as the format says: 8-bit unsigned or 16-bit signed
    int channels = 1;  // 1 or 2
    int bitsPerSample = 16;  // 8 or 16
    int rate = 44100;  // frames per second
    int blockAlign = 2;  // bytes per frame

    bool playing = false;
    bool looping = false;
    uint64_t position = 0;  // frames, 32.32 fixed point
    float gain = 1.0f;  // amplitude factor, from the volume in hundredths of a decibel

    uint64_t Frames() const { return bytes.size() / size_t(blockAlign); }
};

// Amplitude factor of a volume in hundredths of a decibel: 10^(v/2000).
float GainOfVolume(long hundredthsOfDecibel);

// A source that renders its own sound into the mix, such as the music synthesiser.
class MixerStream {
public:
    virtual ~MixerStream() = default;
    // Adds frames of stereo sound, interleaved, in 16-bit sample units (full scale 32767),
    // to mix. Called with the mixer's lock held.
    virtual void MixInto(float* mix, int frames) = 0;
};

class Mixer {
public:
    static constexpr int kStereo = 2;
    static constexpr int kBlockFrames = 512;  // the most frames mixed in one pass

    explicit Mixer(int rate);
    int Rate() const { return rate_; }

    // Held by the game's thread while it changes a voice or the sources; Render takes it too.
    std::unique_lock<std::mutex> Lock() { return std::unique_lock<std::mutex>(mutex_); }
    // The following need the lock.
    void AddVoice(std::shared_ptr<Voice> voice);
    void RemoveVoice(const Voice* voice);
    void AddStream(MixerStream* stream);
    void RemoveStream(const MixerStream* stream);
    void SetMasterGain(float gain) { masterGain_ = gain; }

    // Fills frames of interleaved stereo; sums beyond 16 bits clip. Takes the lock.
    void Render(int16_t* out, int frames);

private:
    void MixVoice(Voice& voice, float* mix, int frames) const;

    const int rate_;
    std::mutex mutex_;
    std::vector<std::shared_ptr<Voice>> voices_;
    std::vector<MixerStream*> streams_;
    float masterGain_ = 1.0f;
    std::array<float, kBlockFrames * kStereo> mix_ = {};
};

}  // namespace dsound
