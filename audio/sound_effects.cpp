// The seven effects: each WAV file is read once into its own DirectSound buffer.
#include "audio/sound_effects.h"

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <new>

#include "audio/wave_reader.h"
#include "core/globals.h"

namespace {

// Leaves the reader idle after a failure: file closed, format block freed.
void AbandonWave()
{
    if (g_waveFile) WaveClose();
    std::free(g_waveFormat);
    g_waveFormat = nullptr;
}

void CopyInto(void* part, DWORD partBytes, const BYTE* samples, UINT& offset, UINT total)
{
    const UINT count = std::min<UINT>(partBytes, total - offset);
    std::memcpy(part, samples + offset, count);
    offset += count;
}

}  // namespace

IDirectSoundBuffer* LoadWaveBuffer(const char* fileName)
{
    if (!g_directSound || !WaveOpen(fileName)) {
        AbandonWave();
        return nullptr;
    }
    // The data chunk already fits inside the file, so this is never more than its size.
    std::unique_ptr<BYTE[]> samples(new (std::nothrow) BYTE[g_waveDataChunk.cksize]);
    WAVEFORMATEX format = {};
    UINT bytesRead = 0;
    if (!samples || !WaveRead(g_waveDataChunk.cksize, samples.get(), &bytesRead, &format)) {
        AbandonWave();
        return nullptr;
    }
    // The buffer gets the base record only; a format that needs its extra bytes cannot
    // be described by it, so it is refused.
    if (format.cbSize != 0) {
        AbandonWave();
        return nullptr;
    }

    DSBUFFERDESC desc = {};
    desc.dwSize = sizeof(DSBUFFERDESC);
    desc.dwFlags = DSBCAPS_CTRLVOLUME | DSBCAPS_GLOBALFOCUS | DSBCAPS_GETCURRENTPOSITION2 | DSBCAPS_LOCDEFER;
    desc.dwBufferBytes = bytesRead;
    desc.lpwfxFormat = &format;
    IDirectSoundBuffer* buffer = nullptr;
    if (FAILED(g_directSound->CreateSoundBuffer(&desc, &buffer, nullptr))) {
        AbandonWave();
        return nullptr;
    }

    void* part1 = nullptr;
    void* part2 = nullptr;
    DWORD bytes1 = 0;
    DWORD bytes2 = 0;
    if (FAILED(buffer->Lock(0, bytesRead, &part1, &bytes1, &part2, &bytes2, 0))) {
        buffer->Release();
        AbandonWave();
        return nullptr;
    }
    UINT copied = 0;
    CopyInto(part1, bytes1, samples.get(), copied, bytesRead);
    if (bytes2 != 0) CopyInto(part2, bytes2, samples.get(), copied, bytesRead);
    buffer->Unlock(part1, bytes1, part2, bytes2);

    WaveClose();
    return buffer;
}

void PlaySoundEffect(IDirectSoundBuffer* buffer)
{
    if (!buffer) return;
    DWORD status = 0;
    buffer->GetStatus(&status);
    if (status & DSBSTATUS_PLAYING) {
        buffer->Stop();
        buffer->SetCurrentPosition(0);
    }
    buffer->Play(0, 0, 0);
}
