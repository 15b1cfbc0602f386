// A performance: FluidSynth's synthesiser and MIDI file player with a General MIDI
// SoundFont, rendered into the shared mixer as one of its streams while a tune plays.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "dmusici.h"
#include "mixer.h"

struct _fluid_synth_t;
struct _fluid_player_t;

namespace dmusic {

class Segment;

// Where performances play: the device's mixer, or a test's own. Null: no audio device.
using MixerSource = std::function<std::shared_ptr<dsound::Mixer>()>;

class Performance : public com::RefCounted<IDirectMusicPerformance8>, private dsound::MixerStream {
public:
    Performance(MixerSource mixers, std::string soundFontPath);
    ~Performance() override;

    HRESULT InitAudio(IDirectMusic** directMusic, IDirectSound** directSound, HWND window, DWORD defaultPathType,
                      DWORD channelCount, DWORD flags, DMUS_AUDIOPARAMS* params) override;
    HRESULT PlaySegmentEx(IUnknown* source, WCHAR* segmentName, IUnknown* transition, DWORD flags,
                          LONGLONG startTime, IDirectMusicSegmentState** segmentState, IUnknown* from,
                          IUnknown* audioPath) override;
    HRESULT StopEx(IUnknown* object, LONGLONG stopTime, DWORD flags) override;
    HRESULT CloseDown() override;

    bool Initialised() const { return initialised_; }
    // Frames its synthesiser has rendered into the mix.
    uint64_t FramesRendered() const { return framesRendered_; }

private:
    void MixInto(float* mix, int frames) override;
    // With the mixer's lock held: the player gone and every voice silent at once.
    void StopPlayer();
    // The player stopped and the synthesiser handed back to the pool.
    void Rest();

    MixerSource mixers_;
    const std::string soundFontPath_;
    bool initialised_ = false;
    std::shared_ptr<dsound::Mixer> mixer_;
    _fluid_synth_t* synth_ = nullptr;  // borrowed; null while the performance rests
    _fluid_player_t* player_ = nullptr;  // null while no tune plays
    const Segment* playing_ = nullptr;  // which segment the player plays; compared, never used
    int repeatsToArm_ = 0;  // plays after the first still to give the player; -1: without end
    uint64_t framesRendered_ = 0;
    std::array<float, dsound::Mixer::kBlockFrames> left_ = {};
    std::array<float, dsound::Mixer::kBlockFrames> right_ = {};
};

}  // namespace dmusic
