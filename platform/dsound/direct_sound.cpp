// DirectSoundCreate8 and the DirectSound object: buffer creation over one mixer.
#include "direct_sound.h"

#include "audio_device.h"

namespace dsound {

namespace {

DirectSoundFactory& Factory()
{
    static DirectSoundFactory factory;
    return factory;
}

class DirectSound : public com::RefCounted<IDirectSound8> {
public:
    explicit DirectSound(std::shared_ptr<Mixer> mixer) : mixer_(std::move(mixer)) {}

    HRESULT CreateSoundBuffer(LPCDSBUFFERDESC desc, IDirectSoundBuffer** buffer, LPUNKNOWN outer) override
    {
        if (!buffer) return DSERR_INVALIDPARAM;
        *buffer = nullptr;
        if (outer) return DSERR_NOAGGREGATION;
        if (!desc || desc->dwSize != sizeof(DSBUFFERDESC)) return DSERR_INVALIDPARAM;
        if (desc->dwFlags & DSBCAPS_PRIMARYBUFFER) {
            const DWORD allowed = DSBCAPS_PRIMARYBUFFER | DSBCAPS_CTRLVOLUME;
            if ((desc->dwFlags & ~allowed) || desc->dwBufferBytes != 0 || desc->lpwfxFormat)
                return DSERR_INVALIDPARAM;
            *buffer = NewPrimaryBuffer(mixer_);
            return DS_OK;
        }
        const HRESULT check = CheckSecondaryDesc(*desc);
        if (FAILED(check)) return check;
        *buffer = NewSecondaryBuffer(mixer_, *desc);
        return *buffer ? DS_OK : DSERR_OUTOFMEMORY;
    }

    HRESULT SetCooperativeLevel(HWND window, DWORD level) override
    {
        if (!window || level < DSSCL_NORMAL || level > DSSCL_WRITEPRIMARY) return DSERR_INVALIDPARAM;
        return DS_OK;
    }

private:
    std::shared_ptr<Mixer> mixer_;
};

}  // namespace

void SetDirectSoundFactory(DirectSoundFactory factory) { Factory() = std::move(factory); }

IDirectSound8* NewDirectSound(std::shared_ptr<Mixer> mixer) { return new DirectSound(std::move(mixer)); }

HRESULT CreateDeviceDirectSound(const GUID* device, IDirectSound8** directSound, LPUNKNOWN outer)
{
    if (!directSound) return DSERR_INVALIDPARAM;
    *directSound = nullptr;
    if (outer) return DSERR_NOAGGREGATION;
    if (device) return DSERR_NODRIVER;  // only the default device is known
    std::shared_ptr<Mixer> mixer = AcquireDeviceMixer();
    if (!mixer) return DSERR_NODRIVER;
    *directSound = NewDirectSound(std::move(mixer));
    return DS_OK;
}

}  // namespace dsound

HRESULT WINAPI DirectSoundCreate8(const GUID* device, IDirectSound8** directSound, LPUNKNOWN outer)
{
    if (!dsound::Factory()) {
        if (directSound) *directSound = nullptr;
        return DSERR_NODRIVER;
    }
    return dsound::Factory()(device, directSound, outer);
}
