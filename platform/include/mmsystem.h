// The RIFF multimedia-file calls of WinMM as the WAV reader uses them: a buffered file
// opened for reading, chunks entered and left, the I/O buffer read in place.
#pragma once

#include <cstdio>

#include "timeapi.h"

typedef DWORD FOURCC;
#define mmioFOURCC(a, b, c, d) MAKEFOURCC(a, b, c, d)
#define FOURCC_RIFF mmioFOURCC('R', 'I', 'F', 'F')
#define FOURCC_LIST mmioFOURCC('L', 'I', 'S', 'T')

struct HMMIO__;
typedef HMMIO__* HMMIO;

#define MMSYSERR_NOERROR 0
#define MMSYSERR_INVALHANDLE 5
#define MMSYSERR_INVALPARAM 11
#define MMIOERR_BASE 256
#define MMIOERR_FILENOTFOUND (MMIOERR_BASE + 1)
#define MMIOERR_OUTOFMEMORY (MMIOERR_BASE + 2)
#define MMIOERR_CANNOTOPEN (MMIOERR_BASE + 3)
#define MMIOERR_CANNOTREAD (MMIOERR_BASE + 5)
#define MMIOERR_CANNOTSEEK (MMIOERR_BASE + 7)
#define MMIOERR_CHUNKNOTFOUND (MMIOERR_BASE + 9)
#define MMIOERR_UNBUFFERED (MMIOERR_BASE + 10)

// mmioOpenA: only reading is provided, with or without an I/O buffer.
#define MMIO_READ 0x00000000
#define MMIO_ALLOCBUF 0x00010000
#define MMIO_DEFAULTBUFFER 8192  // bytes of the buffer MMIO_ALLOCBUF makes
// mmioDescend: look for the chunk whose id is in the record, skipping others.
#define MMIO_FINDCHUNK 0x0010

// A chunk as mmioDescend found it. Offsets are bytes from the start of the file.
struct MMCKINFO {
    FOURCC ckid;
    DWORD cksize;  // bytes of data, the form type of a RIFF or LIST chunk included
    FOURCC fccType;  // RIFF and LIST chunks only
    DWORD dwDataOffset;  // where the data begins: just behind the size field
    DWORD dwFlags;
};
typedef MMCKINFO* LPMMCKINFO;

// The state of a file's I/O buffer. A reader takes it with mmioGetInfo, reads bytes from
// pchNext up to pchEndRead itself, refills with mmioAdvance and hands it back with
// mmioSetInfo.
struct MMIOINFO {
    DWORD dwFlags;
    LONG cchBuffer;  // bytes in the buffer
    char* pchBuffer;
    char* pchNext;  // the next byte to read
    char* pchEndRead;  // one past the last valid byte
    LONG lBufOffset;  // file offset of pchBuffer[0]
    LONG lDiskOffset;  // file offset the next refill reads from
    HMMIO hmmio;
};
typedef MMIOINFO* LPMMIOINFO;

HMMIO mmioOpenA(LPCSTR fileName, LPMMIOINFO info, DWORD flags);
MMRESULT mmioClose(HMMIO file, UINT flags);
// Bytes read, 0 at the end of the file, -1 on an error.
LONG mmioRead(HMMIO file, char* buffer, LONG count);
// The new offset from the start of the file, or -1. origin: SEEK_SET, SEEK_CUR, SEEK_END.
LONG mmioSeek(HMMIO file, LONG offset, int origin);
MMRESULT mmioDescend(HMMIO file, LPMMCKINFO chunk, const MMCKINFO* parent, UINT flags);
MMRESULT mmioAscend(HMMIO file, LPMMCKINFO chunk, UINT flags);
MMRESULT mmioGetInfo(HMMIO file, LPMMIOINFO info, UINT flags);
MMRESULT mmioSetInfo(HMMIO file, const MMIOINFO* info, UINT flags);
MMRESULT mmioAdvance(HMMIO file, LPMMIOINFO info, UINT flags);
