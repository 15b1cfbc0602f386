// Secondary buffers (PCM samples played by the mixer) and the primary buffer (the volume
// of the whole mix).
#include <algorithm>
#include <new>

#include "direct_sound.h"

namespace dsound {

namespace {

constexpr DWORD kMinRate = 100;  // frames per second a buffer may have
constexpr DWORD kMaxRate = 200000;

class SecondaryBuffer : public com::RefCounted<IDirectSoundBuffer> {
public:
    SecondaryBuffer(std::shared_ptr<Mixer> mixer, std::shared_ptr<Voice> voice, DWORD flags)
        : mixer_(std::move(mixer)), voice_(std::move(voice)), flags_(flags)
    {
        auto lock = mixer_->Lock();
        mixer_->AddVoice(voice_);
    }
    ~SecondaryBuffer() override
    {
        auto lock = mixer_->Lock();
        mixer_->RemoveVoice(voice_.get());
    }

    HRESULT GetStatus(LPDWORD status) override
    {
        if (!status) return DSERR_INVALIDPARAM;
        auto lock = mixer_->Lock();
        *status = voice_->playing ? DSBSTATUS_PLAYING | (voice_->looping ? DSBSTATUS_LOOPING : 0) : 0;
        return DS_OK;
    }

    HRESULT GetCurrentPosition(LPDWORD playCursor, LPDWORD writeCursor) override
    {
        auto lock = mixer_->Lock();
        // The mixer reads the samples as it plays them: writing is safe right behind it.
        const DWORD position = DWORD((voice_->position >> 32) * uint64_t(voice_->blockAlign));
        if (playCursor) *playCursor = position;
        if (writeCursor) *writeCursor = position;
        return DS_OK;
    }

    HRESULT Lock(DWORD offset, DWORD bytes, LPVOID* part1, LPDWORD bytes1, LPVOID* part2, LPDWORD bytes2,
                 DWORD flags) override
    {
        const DWORD size = DWORD(voice_->bytes.size());
        if (!part1 || !bytes1 || flags != 0 || locked_) return DSERR_INVALIDPARAM;
        if (offset >= size || bytes == 0 || bytes > size) return DSERR_INVALIDPARAM;
        // A region that runs past the end wraps round to the start, as the buffer is a ring.
        const DWORD first = std::min(bytes, size - offset);
        const DWORD second = bytes - first;
        if (second > 0 && (!part2 || !bytes2)) return DSERR_INVALIDPARAM;
        *part1 = voice_->bytes.data() + offset;
        *bytes1 = first;
        if (part2) *part2 = second > 0 ? voice_->bytes.data() : nullptr;
        if (bytes2) *bytes2 = second;
        locked_ = true;
        return DS_OK;
    }

    HRESULT Unlock(LPVOID, DWORD, LPVOID, DWORD) override
    {
        if (!locked_) return DSERR_INVALIDPARAM;
        locked_ = false;
        return DS_OK;
    }

    HRESULT Play(DWORD reserved, DWORD priority, DWORD flags) override
    {
        if (reserved != 0 || (priority != 0 && !(flags_ & DSBCAPS_LOCDEFER)) || (flags & ~DWORD(DSBPLAY_LOOPING)))
            return DSERR_INVALIDPARAM;
        auto lock = mixer_->Lock();
        voice_->playing = true;
        voice_->looping = (flags & DSBPLAY_LOOPING) != 0;
        return DS_OK;
    }

    HRESULT Stop() override
    {
        auto lock = mixer_->Lock();
        voice_->playing = false;
        return DS_OK;
    }

    HRESULT SetCurrentPosition(DWORD position) override
    {
        if (position >= voice_->bytes.size()) return DSERR_INVALIDPARAM;
        auto lock = mixer_->Lock();
        voice_->position = uint64_t(position / DWORD(voice_->blockAlign)) << 32;
        return DS_OK;
    }

    HRESULT SetVolume(LONG volume) override
    {
        if (!(flags_ & DSBCAPS_CTRLVOLUME)) return DSERR_CONTROLUNAVAIL;
        if (volume < DSBVOLUME_MIN || volume > DSBVOLUME_MAX) return DSERR_INVALIDPARAM;
        auto lock = mixer_->Lock();
        volume_ = volume;
        voice_->gain = GainOfVolume(volume);
        return DS_OK;
    }

    HRESULT GetVolume(LONG* volume) override
    {
        if (!(flags_ & DSBCAPS_CTRLVOLUME)) return DSERR_CONTROLUNAVAIL;
        if (!volume) return DSERR_INVALIDPARAM;
        *volume = volume_;
        return DS_OK;
    }

private:
    std::shared_ptr<Mixer> mixer_;
    std::shared_ptr<Voice> voice_;
    const DWORD flags_;
    LONG volume_ = 0;
    bool locked_ = false;
};

// Nothing plays into it: its one use is the volume of everything mixed.
class PrimaryBuffer : public com::RefCounted<IDirectSoundBuffer> {
public:
    explicit PrimaryBuffer(std::shared_ptr<Mixer> mixer) : mixer_(std::move(mixer)) {}

    HRESULT GetStatus(LPDWORD status) override
    {
        if (!status) return DSERR_INVALIDPARAM;
        *status = DSBSTATUS_PLAYING | DSBSTATUS_LOOPING;  // the device never stops
        return DS_OK;
    }
    HRESULT GetCurrentPosition(LPDWORD, LPDWORD) override { return DSERR_INVALIDCALL; }
    HRESULT Lock(DWORD, DWORD, LPVOID*, LPDWORD, LPVOID*, LPDWORD, DWORD) override { return DSERR_INVALIDCALL; }
    HRESULT Unlock(LPVOID, DWORD, LPVOID, DWORD) override { return DSERR_INVALIDCALL; }
    HRESULT Play(DWORD, DWORD, DWORD) override { return DSERR_INVALIDCALL; }
    HRESULT Stop() override { return DSERR_INVALIDCALL; }
    HRESULT SetCurrentPosition(DWORD) override { return DSERR_INVALIDCALL; }

    HRESULT SetVolume(LONG volume) override
    {
        if (volume < DSBVOLUME_MIN || volume > DSBVOLUME_MAX) return DSERR_INVALIDPARAM;
        auto lock = mixer_->Lock();
        volume_ = volume;
        mixer_->SetMasterGain(GainOfVolume(volume));
        return DS_OK;
    }
    HRESULT GetVolume(LONG* volume) override
    {
        if (!volume) return DSERR_INVALIDPARAM;
        *volume = volume_;
        return DS_OK;
    }

private:
    std::shared_ptr<Mixer> mixer_;
    LONG volume_ = 0;
};

}  // namespace

HRESULT CheckSecondaryDesc(const DSBUFFERDESC& desc)
{
    // The flags LoadWaveBuffer asks for: focus, cursor and placement choices mean nothing
    // to a software mixer. No pan, frequency or 3D control is provided.
    const DWORD allowed = DSBCAPS_CTRLVOLUME | DSBCAPS_GLOBALFOCUS | DSBCAPS_GETCURRENTPOSITION2 | DSBCAPS_LOCDEFER;
    if (desc.dwFlags & ~allowed) return DSERR_UNSUPPORTED;
    const WAVEFORMATEX* format = desc.lpwfxFormat;
    if (!format) return DSERR_INVALIDPARAM;
    // The mixer plays 8- and 16-bit PCM, mono or stereo, at any reasonable rate.
    if (format->wFormatTag != WAVE_FORMAT_PCM || (format->nChannels != 1 && format->nChannels != 2) ||
        (format->wBitsPerSample != 8 && format->wBitsPerSample != 16) ||
        format->nBlockAlign != format->nChannels * format->wBitsPerSample / 8 ||
        format->nSamplesPerSec < kMinRate || format->nSamplesPerSec > kMaxRate)
        return DSERR_BADFORMAT;
    if (desc.dwBufferBytes < DSBSIZE_MIN || desc.dwBufferBytes > DSBSIZE_MAX ||
        desc.dwBufferBytes < format->nBlockAlign)
        return DSERR_INVALIDPARAM;
    return DS_OK;
}

IDirectSoundBuffer* NewSecondaryBuffer(std::shared_ptr<Mixer> mixer, const DSBUFFERDESC& desc)
{
    auto voice = std::make_shared<Voice>();
    const WAVEFORMATEX& format = *desc.lpwfxFormat;
    try {
        // New memory holds silence until the owner fills it.
        voice->bytes.assign(desc.dwBufferBytes, format.wBitsPerSample == 8 ? 0x80 : 0);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
    voice->channels = format.nChannels;
    voice->bitsPerSample = format.wBitsPerSample;
    voice->rate = int(format.nSamplesPerSec);
    voice->blockAlign = format.nBlockAlign;
    return new SecondaryBuffer(std::move(mixer), std::move(voice), desc.dwFlags);
}

IDirectSoundBuffer* NewPrimaryBuffer(std::shared_ptr<Mixer> mixer) { return new PrimaryBuffer(std::move(mixer)); }

}  // namespace dsound
