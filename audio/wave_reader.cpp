// The WAV reader over the multimedia-file calls.
#include "audio/wave_reader.h"

#include <algorithm>
#include <cstdlib>

HMMIO g_waveFile = nullptr;
WAVEFORMATEX* g_waveFormat = nullptr;
MMCKINFO g_waveRiffChunk = {};
MMCKINFO g_waveDataChunk = {};

namespace {

const size_t kBaseBytes = 16;  // tag, channels, rate, bytes per second, block align, bits

void FreeFormat(WAVEFORMATEX** format)
{
    std::free(*format);
    *format = nullptr;
}

}  // namespace

HRESULT WaveReadFormat(HMMIO file, MMCKINFO* riffChunk, WAVEFORMATEX** format)
{
    *format = nullptr;
    if (mmioDescend(file, riffChunk, nullptr, 0) != MMSYSERR_NOERROR) return E_FAIL;
    if (riffChunk->ckid != FOURCC_RIFF || riffChunk->fccType != mmioFOURCC('W', 'A', 'V', 'E')) return E_FAIL;

    MMCKINFO formatChunk = {};
    formatChunk.ckid = mmioFOURCC('f', 'm', 't', ' ');
    if (mmioDescend(file, &formatChunk, riffChunk, MMIO_FINDCHUNK) != MMSYSERR_NOERROR) return E_FAIL;
    if (formatChunk.cksize < kBaseBytes) return E_FAIL;

    BYTE base[kBaseBytes];
    if (mmioRead(file, reinterpret_cast<char*>(base), LONG(kBaseBytes)) != LONG(kBaseBytes)) return E_FAIL;
    const WORD tag = WORD(base[0] | base[1] << 8);
    WORD extraBytes = 0;
    if (tag != WAVE_FORMAT_PCM) {
        BYTE size[2];
        if (mmioRead(file, reinterpret_cast<char*>(size), 2) != 2) return E_FAIL;
        extraBytes = WORD(size[0] | size[1] << 8);
        // Extra bytes that the chunk cannot hold are refused before anything is allocated.
        if (kBaseBytes + 2 + extraBytes > formatChunk.cksize) return E_FAIL;
    }
    *format = static_cast<WAVEFORMATEX*>(std::malloc(sizeof(WAVEFORMATEX) + extraBytes));
    if (!*format) return E_FAIL;
    std::memcpy(*format, base, kBaseBytes);
    (*format)->cbSize = extraBytes;
    if (extraBytes > 0 &&
        mmioRead(file, reinterpret_cast<char*>(*format + 1), LONG(extraBytes)) != LONG(extraBytes)) {
        FreeFormat(format);
        return E_FAIL;
    }
    if (mmioAscend(file, &formatChunk, 0) != MMSYSERR_NOERROR) {
        FreeFormat(format);
        return E_FAIL;
    }
    return S_OK;
}

HRESULT WaveOpenFile(const char* fileName, HMMIO* file, WAVEFORMATEX** format, MMCKINFO* riffChunk)
{
    *file = nullptr;
    HMMIO opened = mmioOpenA(fileName, nullptr, MMIO_ALLOCBUF | MMIO_READ);
    if (!opened) return E_FAIL;
    if (FAILED(WaveReadFormat(opened, riffChunk, format))) {
        mmioClose(opened, 0);
        return E_FAIL;
    }
    *file = opened;
    return S_OK;
}

HRESULT WaveSeekData(HMMIO file, MMCKINFO* dataChunk, MMCKINFO* riffChunk)
{
    // Back to the first sub-chunk, so "data" is found before or after "fmt ".
    if (mmioSeek(file, LONG(riffChunk->dwDataOffset + 4), SEEK_SET) == -1) return E_FAIL;
    dataChunk->ckid = mmioFOURCC('d', 'a', 't', 'a');
    if (mmioDescend(file, dataChunk, riffChunk, MMIO_FINDCHUNK) != MMSYSERR_NOERROR) return E_FAIL;
    return S_OK;
}

HRESULT WaveReadData(HMMIO file, UINT bytesWanted, BYTE* destination, MMCKINFO* dataChunk, UINT* bytesRead)
{
    *bytesRead = 0;
    MMIOINFO info = {};
    if (mmioGetInfo(file, &info, 0) != MMSYSERR_NOERROR) return E_FAIL;
    const UINT count = std::min<UINT>(bytesWanted, dataChunk->cksize);
    dataChunk->cksize -= count;
    for (UINT i = 0; i < count; ++i) {
        if (info.pchNext == info.pchEndRead) {
            if (mmioAdvance(file, &info, MMIO_READ) != MMSYSERR_NOERROR) return E_FAIL;
            if (info.pchNext == info.pchEndRead) return E_FAIL;
        }
        destination[i] = BYTE(*info.pchNext++);
    }
    if (mmioSetInfo(file, &info, 0) != MMSYSERR_NOERROR) return E_FAIL;
    *bytesRead = count;
    return S_OK;
}

bool WaveOpen(const char* fileName)
{
    g_waveFormat = nullptr;
    if (FAILED(WaveOpenFile(fileName, &g_waveFile, &g_waveFormat, &g_waveRiffChunk))) return false;
    return SUCCEEDED(WaveSeekData(g_waveFile, &g_waveDataChunk, &g_waveRiffChunk));
}

bool WaveRead(UINT bytesWanted, BYTE* destination, UINT* bytesRead, WAVEFORMATEX* format)
{
    if (FAILED(WaveReadData(g_waveFile, bytesWanted, destination, &g_waveDataChunk, bytesRead))) return false;
    if (format) std::memcpy(format, g_waveFormat, sizeof(WAVEFORMATEX));
    FreeFormat(&g_waveFormat);
    return true;
}

bool WaveClose()
{
    mmioClose(g_waveFile, 0);
    g_waveFile = nullptr;
    return true;
}
