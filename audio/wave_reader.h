// The WAV reader: one RIFF WAVE file at a time, its format block and its sample bytes,
// read through the multimedia-file calls. The calling order is WaveOpen, WaveRead,
// WaveClose; the inner procedures return 0 or E_FAIL.
#pragma once

#include "mmreg.h"
#include "mmsystem.h"

extern HMMIO g_waveFile;  // the open file; null when none is open
extern WAVEFORMATEX* g_waveFormat;  // the format block read from "fmt " (malloc'd), or null
extern MMCKINFO g_waveRiffChunk;  // the outer RIFF chunk
extern MMCKINFO g_waveDataChunk;  // "data"; cksize counts the sample bytes not yet read

// True when the file is open, its format read and the reader placed at its samples.
bool WaveOpen(const char* fileName);
// Copies up to bytesWanted sample bytes; the base format record (without extra bytes)
// goes to format when it is not null. Frees the format block.
bool WaveRead(UINT bytesWanted, BYTE* destination, UINT* bytesRead, WAVEFORMATEX* format);
bool WaveClose();

HRESULT WaveOpenFile(const char* fileName, HMMIO* file, WAVEFORMATEX** format, MMCKINFO* riffChunk);
HRESULT WaveReadFormat(HMMIO file, MMCKINFO* riffChunk, WAVEFORMATEX** format);
HRESULT WaveSeekData(HMMIO file, MMCKINFO* dataChunk, MMCKINFO* riffChunk);
HRESULT WaveReadData(HMMIO file, UINT bytesWanted, BYTE* destination, MMCKINFO* dataChunk, UINT* bytesRead);
