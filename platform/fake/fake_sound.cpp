// The DirectSound stand-in: buffers that keep their bytes and state, and record each call.
#include "fake_sound.h"

#include "call_log.h"
#include "call_names.h"
#include "direct_sound.h"
#include "fake_sound_state.h"

namespace fake {

namespace {

Label Format(const WAVEFORMATEX* format)
{
    if (!format) return Label{"null"};
    return Fields(name::WaveFormatTag(format->wFormatTag), format->nChannels, format->nSamplesPerSec,
                  format->nAvgBytesPerSec, format->nBlockAlign, format->wBitsPerSample, format->cbSize);
}

class FakeDirectSound : public com::RefCounted<IDirectSound8> {
public:
    HRESULT CreateSoundBuffer(LPCDSBUFFERDESC desc, IDirectSoundBuffer** buffer, LPUNKNOWN outer) override
    {
        if (!desc || !buffer) {
            Record(Call("DirectSound.CreateSoundBuffer", nullptr));
            return DSERR_INVALIDPARAM;
        }
        Record(Call("DirectSound.CreateSoundBuffer",
                    Fields(desc->dwSize, name::BufferCaps(desc->dwFlags), desc->dwBufferBytes, desc->dwReserved),
                    Format(desc->lpwfxFormat), outer));
        *buffer = nullptr;
        SoundState& state = TheSoundState();
        if (desc->dwFlags & DSBCAPS_PRIMARYBUFFER) {
            if (state.sound.failPrimaryBuffer) return DSERR_ALLOCATED;
            *buffer = new FakeSoundBuffer("primary", *desc);
            return DS_OK;
        }
        const int number = ++state.secondaryBuffers;
        if (state.sound.failSecondaryBuffers.count(number)) return DSERR_OUTOFMEMORY;
        *buffer = new FakeSoundBuffer("sound" + std::to_string(number), *desc);
        return DS_OK;
    }

    HRESULT SetCooperativeLevel(HWND window, DWORD level) override
    {
        Record(Call("DirectSound.SetCooperativeLevel", window, name::SoundCooperation(level)));
        return TheSoundState().sound.failCooperativeLevel ? DSERR_INVALIDPARAM : DS_OK;
    }

    ULONG Release() override
    {
        Record(Call("DirectSound.Release"));
        return RefCounted::Release();
    }
};

HRESULT CreateFakeDirectSound(const GUID* device, IDirectSound8** directSound, LPUNKNOWN outer)
{
    Record(Call("DirectSoundCreate8", device, outer));
    if (!directSound) return DSERR_INVALIDPARAM;
    *directSound = nullptr;
    if (TheSoundState().sound.failDirectSoundCreate) return DSERR_NODRIVER;
    *directSound = new FakeDirectSound;
    return DS_OK;
}

}  // namespace

FakeSoundBuffer::FakeSoundBuffer(std::string label, const DSBUFFERDESC& desc)
    : label(std::move(label)), flags(desc.dwFlags), format(desc.lpwfxFormat ? *desc.lpwfxFormat : WAVEFORMATEX{}),
      bytes(desc.dwBufferBytes)
{
}

HRESULT FakeSoundBuffer::GetStatus(LPDWORD status)
{
    Record(Call("SoundBuffer.GetStatus", Label{label}));
    if (status) *status = playing ? DSBSTATUS_PLAYING : 0;
    return DS_OK;
}

HRESULT FakeSoundBuffer::GetCurrentPosition(LPDWORD playCursor, LPDWORD writeCursor)
{
    Record(Call("SoundBuffer.GetCurrentPosition", Label{label}));
    if (playCursor) *playCursor = position;
    if (writeCursor) *writeCursor = position;
    return DS_OK;
}

HRESULT FakeSoundBuffer::Lock(DWORD offset, DWORD count, LPVOID* part1, LPDWORD bytes1, LPVOID* part2,
                              LPDWORD bytes2, DWORD lockFlags)
{
    Record(Call("SoundBuffer.Lock", Label{label}, offset, count, name::LockFlags(lockFlags)));
    if (TheSoundState().sound.failLock || !part1 || !bytes1 || offset > bytes.size() ||
        count > bytes.size() - offset)
        return DSERR_INVALIDPARAM;
    *part1 = bytes.data() + offset;
    *bytes1 = count;
    if (part2) *part2 = nullptr;
    if (bytes2) *bytes2 = 0;
    return DS_OK;
}

HRESULT FakeSoundBuffer::Unlock(LPVOID part1, DWORD bytes1, LPVOID part2, DWORD bytes2)
{
    Record(Call("SoundBuffer.Unlock", Label{label}, part1, bytes1, part2, bytes2));
    return DS_OK;
}

HRESULT FakeSoundBuffer::Play(DWORD reserved, DWORD priority, DWORD playFlags)
{
    Record(Call("SoundBuffer.Play", Label{label}, reserved, priority, name::PlayFlags(playFlags)));
    playing = true;
    return DS_OK;
}

HRESULT FakeSoundBuffer::Stop()
{
    Record(Call("SoundBuffer.Stop", Label{label}));
    playing = false;
    return DS_OK;
}

HRESULT FakeSoundBuffer::SetCurrentPosition(DWORD newPosition)
{
    Record(Call("SoundBuffer.SetCurrentPosition", Label{label}, newPosition));
    position = newPosition;
    return DS_OK;
}

HRESULT FakeSoundBuffer::SetVolume(LONG newVolume)
{
    Record(Call("SoundBuffer.SetVolume", Label{label}, newVolume));
    volume = newVolume;
    return DS_OK;
}

HRESULT FakeSoundBuffer::GetVolume(LONG* current)
{
    Record(Call("SoundBuffer.GetVolume", Label{label}));
    if (current) *current = volume;
    return DS_OK;
}

ULONG FakeSoundBuffer::Release()
{
    Record(Call("SoundBuffer.Release", Label{label}));
    return RefCounted::Release();
}

SoundState& TheSoundState()
{
    static SoundState state;
    return state;
}

SoundScript& SoundScripts() { return TheSoundState().sound; }
MusicScript& MusicScripts() { return TheSoundState().music; }

void InstallDirectSound()
{
    TheSoundState().sound = {};
    TheSoundState().secondaryBuffers = 0;
    dsound::SetDirectSoundFactory(CreateFakeDirectSound);
}

void UninstallDirectSound() { dsound::SetDirectSoundFactory(nullptr); }

}  // namespace fake
