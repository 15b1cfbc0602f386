// Mixing: linear interpolation from each buffer's rate to the device's, gain per buffer,
// a float sum, and clipping to 16 bits at the end.
#include "mixer.h"

#include <algorithm>
#include <cmath>

namespace dsound {

namespace {

constexpr uint64_t kOne = uint64_t(1) << 32;  // one frame in 32.32 fixed point

struct Frame {
    float left;
    float right;
};

Frame ReadFrame(const Voice& voice, uint64_t index)
{
    const uint8_t* at = voice.bytes.data() + index * uint64_t(voice.blockAlign);
    float samples[2] = {0.0f, 0.0f};
    for (int channel = 0; channel < voice.channels; ++channel) {
        if (voice.bitsPerSample == 8) {
            samples[channel] = float((int(at[channel]) - 128) * 256);
        } else {
            samples[channel] = float(int16_t(uint16_t(at[2 * channel] | at[2 * channel + 1] << 8)));
        }
    }
    return {samples[0], voice.channels == 2 ? samples[1] : samples[0]};
}

}  // namespace

float GainOfVolume(long hundredthsOfDecibel) { return float(std::pow(10.0, double(hundredthsOfDecibel) / 2000.0)); }

Mixer::Mixer(int rate) : rate_(rate) {}

void Mixer::AddVoice(std::shared_ptr<Voice> voice) { voices_.push_back(std::move(voice)); }

void Mixer::RemoveVoice(const Voice* voice)
{
    std::erase_if(voices_, [voice](const std::shared_ptr<Voice>& held) { return held.get() == voice; });
}

void Mixer::AddStream(MixerStream* stream) { streams_.push_back(stream); }

void Mixer::RemoveStream(const MixerStream* stream) { std::erase(streams_, stream); }

void Mixer::MixVoice(Voice& voice, float* mix, int frames) const
{
    const uint64_t total = voice.Frames();
    const uint64_t end = total * kOne;
    const uint64_t step = (uint64_t(voice.rate) << 32) / uint64_t(rate_);
    for (int i = 0; i < frames && total > 0; ++i) {
        const uint64_t index = voice.position >> 32;
        const float fraction = float(voice.position & (kOne - 1)) / float(kOne);
        const uint64_t nextIndex = index + 1 < total ? index + 1 : voice.looping ? 0 : index;
        const Frame a = ReadFrame(voice, index);
        const Frame b = ReadFrame(voice, nextIndex);
        mix[2 * i] += voice.gain * (a.left + (b.left - a.left) * fraction);
        mix[2 * i + 1] += voice.gain * (a.right + (b.right - a.right) * fraction);
        voice.position += step;
        if (voice.position >= end) {
            if (voice.looping) {
                voice.position %= end;
                continue;
            }
            // A buffer played once stops at its end and rewinds, ready to play again.
            voice.playing = false;
            voice.position = 0;
            return;
        }
    }
    if (total == 0) voice.playing = false;
}

void Mixer::Render(int16_t* out, int frames)
{
    std::lock_guard<std::mutex> lock(mutex_);
    while (frames > 0) {
        const int count = std::min(frames, kBlockFrames);
        std::fill(mix_.begin(), mix_.begin() + count * kStereo, 0.0f);
        for (const std::shared_ptr<Voice>& voice : voices_) {
            if (voice->playing) MixVoice(*voice, mix_.data(), count);
        }
        for (MixerStream* stream : streams_) stream->MixInto(mix_.data(), count);
        for (int i = 0; i < count * kStereo; ++i) {
            const float value = std::clamp(mix_[size_t(i)] * masterGain_, -32768.0f, 32767.0f);
            out[i] = int16_t(std::lrint(value));
        }
        out += count * kStereo;
        frames -= count;
    }
}

}  // namespace dsound
