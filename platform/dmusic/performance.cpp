// The performance over FluidSynth. The player is driven by the samples the synthesiser
// renders (no timer thread), so the music keeps time with the mix exactly. The
// synthesiser is borrowed from the pool while the performance has a tune.
#include "performance.h"

#include <fluidsynth.h>

#include <climits>

#include "segment.h"
#include "synth_pool.h"

namespace dmusic {

namespace {

constexpr float kFullScale = 32767.0f;  // the synthesiser's 1.0 in 16-bit sample units

bool KnownPathType(DWORD type)
{
    return type == DMUS_APATH_SHARED_STEREOPLUSREVERB || type == DMUS_APATH_DYNAMIC_3D ||
           type == DMUS_APATH_DYNAMIC_MONO || type == DMUS_APATH_DYNAMIC_STEREO;
}

}  // namespace

Performance::Performance(MixerSource mixers, std::string soundFontPath)
    : mixers_(std::move(mixers)), soundFontPath_(std::move(soundFontPath))
{
}

Performance::~Performance() { CloseDown(); }

HRESULT Performance::InitAudio(IDirectMusic** directMusic, IDirectSound** directSound, HWND, DWORD defaultPathType,
                               DWORD channelCount, DWORD, DMUS_AUDIOPARAMS* params)
{
    if (initialised_) return DMUS_E_ALREADY_INITED;
    // The performance takes its synthesiser from the pool and shares the mixer; it hands
    // out neither a DirectMusic nor a DirectSound object.
    if (directMusic || directSound || params) return E_NOTIMPL;
    if (!KnownPathType(defaultPathType) || channelCount == 0) return E_INVALIDARG;
    std::shared_ptr<dsound::Mixer> mixer = mixers_ ? mixers_() : nullptr;
    if (!mixer) return E_FAIL;
    // Borrowed now, so that a SoundFont that cannot be loaded fails here.
    fluid_synth_t* synth = BorrowSynthesiser(mixer->Rate(), soundFontPath_);
    if (!synth) return E_FAIL;
    JoinSynthesiserPool();
    initialised_ = true;
    mixer_ = std::move(mixer);
    auto lock = mixer_->Lock();
    synth_ = synth;
    mixer_->AddStream(this);
    return S_OK;
}

HRESULT Performance::PlaySegmentEx(IUnknown* source, WCHAR*, IUnknown*, DWORD, LONGLONG,
                                   IDirectMusicSegmentState** segmentState, IUnknown*, IUnknown*)
{
    if (segmentState) *segmentState = nullptr;
    if (!initialised_) return DMUS_E_NOT_INIT;
    const auto* segment = dynamic_cast<const Segment*>(source);
    if (!segment) return E_INVALIDARG;

    // A new primary segment replaces the one that plays; a segment made empty plays nothing.
    if (segment->Midi().empty()) {
        Rest();
        return S_OK;
    }
    if (!synth_) {  // handed back when the last tune stopped
        fluid_synth_t* synth = BorrowSynthesiser(mixer_->Rate(), soundFontPath_);
        if (!synth) return E_FAIL;
        auto lock = mixer_->Lock();
        synth_ = synth;
    }
    auto lock = mixer_->Lock();
    StopPlayer();
    fluid_player_t* player = new_fluid_player(synth_);
    if (!player) return E_OUTOFMEMORY;
    // The first play starts alone; the repeats are armed once the player has read the tune
    // (MixInto). Armed now, they would have it restart a file it cannot read, or a tune that
    // lasts no time, without end inside one render, and the mix would never return.
    if (fluid_player_add_mem(player, segment->Midi().data(), segment->Midi().size()) == FLUID_FAILED ||
        fluid_player_set_loop(player, 1) == FLUID_FAILED || fluid_player_play(player) == FLUID_FAILED) {
        delete_fluid_player(player);
        return E_FAIL;
    }
    const DWORD repeats = segment->Repeats();
    player_ = player;
    playing_ = segment;
    repeatsToArm_ = repeats == DMUS_SEG_REPEAT_INFINITE ? -1 : repeats >= DWORD(INT_MAX) ? INT_MAX : int(repeats);
    return S_OK;
}

HRESULT Performance::StopEx(IUnknown* object, LONGLONG, DWORD)
{
    if (!initialised_) return DMUS_E_NOT_INIT;
    // Null stops everything; a segment stops only when it is the one playing.
    if (!object || dynamic_cast<const Segment*>(object) == playing_) Rest();
    return S_OK;
}

HRESULT Performance::CloseDown()
{
    if (!initialised_) return S_OK;
    Rest();
    {
        auto lock = mixer_->Lock();
        mixer_->RemoveStream(this);
    }
    initialised_ = false;
    mixer_.reset();
    LeaveSynthesiserPool();
    return S_OK;
}

void Performance::StopPlayer()
{
    if (!player_) return;
    fluid_player_stop(player_);
    delete_fluid_player(player_);
    player_ = nullptr;
    playing_ = nullptr;
    fluid_synth_all_sounds_off(synth_, -1);
}

void Performance::Rest()
{
    fluid_synth_t* synth = nullptr;
    {
        auto lock = mixer_->Lock();
        StopPlayer();
        std::swap(synth, synth_);
    }
    if (synth) ReturnSynthesiser(synth);
}

void Performance::MixInto(float* mix, int frames)
{
    // Rendered only while a tune is there, so a stopped tune leaves no reverberation
    // behind; a tune that ended by itself rings out, then rests once its last voice is quiet.
    if (!player_) return;
    if (fluid_player_get_status(player_) == FLUID_PLAYER_DONE && fluid_synth_get_active_voice_count(synth_) == 0)
        return;
    fluid_synth_write_float(synth_, frames, left_.data(), 0, 1, right_.data(), 0, 1);
    framesRendered_ += uint64_t(frames);
    // A tune the player has read has a length; one that lasts no time stays played once.
    if (repeatsToArm_ != 0 && fluid_player_get_total_ticks(player_) > 0) {
        fluid_player_set_loop(player_, repeatsToArm_);
        repeatsToArm_ = 0;
    }
    for (int i = 0; i < frames; ++i) {
        mix[2 * i] += left_[size_t(i)] * kFullScale;
        mix[2 * i + 1] += right_[size_t(i)] * kFullScale;
    }
}

}  // namespace dmusic
