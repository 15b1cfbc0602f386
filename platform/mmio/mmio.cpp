// Buffered reading of RIFF files. A chunk that would run past its parent or past the end
// of the file is refused when it is entered, so a reader never sizes anything from a
// length that the file cannot hold.
#include "mmsystem.h"

#include <sys/stat.h>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "file_name.h"
#include "load_log.h"

struct HMMIO__ {
    std::FILE* file = nullptr;
    std::string name;  // as the caller gave it, for the developer log
    int64_t size = 0;  // bytes in the file
    bool buffered = false;  // opened with MMIO_ALLOCBUF
    std::vector<char> buffer;
    MMIOINFO info = {};
};

namespace {

// Offsets are 32-bit signed, as LONG is: files and seeks stop short of 2 GB.
constexpr int64_t kLargestOffset = std::numeric_limits<LONG>::max();

int64_t Position(const HMMIO__& file)
{
    return file.info.lBufOffset + (file.info.pchNext - file.info.pchBuffer);
}

LONG ReadFailure(const HMMIO__& file)
{
    win32::LogLoadFailure("wave", file.name.c_str(), "cannot read");
    return -1;
}

// Reads the buffer afresh from the offset: bytes read, or -1 on a read error.
LONG Fill(HMMIO__& file, int64_t offset)
{
    MMIOINFO& info = file.info;
    info.lBufOffset = LONG(offset);
    info.pchNext = info.pchBuffer;
    info.pchEndRead = info.pchBuffer;
    if (offset >= file.size) {
        info.lDiskOffset = LONG(offset);
        return 0;
    }
    if (std::fseek(file.file, long(offset), SEEK_SET) != 0) return ReadFailure(file);
    size_t got = std::fread(info.pchBuffer, 1, file.buffer.size(), file.file);
    if (got < file.buffer.size() && std::ferror(file.file)) {
        std::clearerr(file.file);
        return ReadFailure(file);
    }
    info.pchEndRead = info.pchBuffer + got;
    info.lDiskOffset = LONG(offset + int64_t(got));
    return LONG(got);
}

// Takes a reader's next-byte pointer back; it must lie inside the valid part of the buffer.
bool TakeNext(HMMIO__& file, const MMIOINFO& from)
{
    if (from.pchNext < file.info.pchBuffer || from.pchNext > file.info.pchEndRead) return false;
    file.info.pchNext = from.pchNext;
    return true;
}

DWORD ReadDword(const unsigned char* bytes)
{
    return DWORD(bytes[0]) | DWORD(bytes[1]) << 8 | DWORD(bytes[2]) << 16 | DWORD(bytes[3]) << 24;
}

}  // namespace

HMMIO mmioOpenA(LPCSTR fileName, LPMMIOINFO info, DWORD flags)
{
    if (!fileName || info || (flags & ~DWORD(MMIO_ALLOCBUF)) != 0) return nullptr;
    std::FILE* stream = std::fopen(win32::LocalFileName(fileName).c_str(), "rb");
    struct stat status = {};
    if (!stream || fstat(fileno(stream), &status) != 0 || !S_ISREG(status.st_mode) ||
        status.st_size > kLargestOffset) {
        if (stream) std::fclose(stream);
        win32::LogLoadFailure("wave", fileName, "cannot open");
        return nullptr;
    }
    auto* file = new HMMIO__;
    file->file = stream;
    file->name = fileName;
    file->size = status.st_size;
    file->buffered = (flags & MMIO_ALLOCBUF) != 0;
    file->buffer.resize(MMIO_DEFAULTBUFFER);
    file->info.cchBuffer = file->buffered ? MMIO_DEFAULTBUFFER : 0;
    file->info.pchBuffer = file->buffer.data();
    file->info.pchNext = file->info.pchBuffer;
    file->info.pchEndRead = file->info.pchBuffer;
    file->info.hmmio = file;
    return file;
}

MMRESULT mmioClose(HMMIO file, UINT)
{
    if (!file) return MMSYSERR_INVALHANDLE;
    std::fclose(file->file);
    delete file;
    return MMSYSERR_NOERROR;
}

LONG mmioRead(HMMIO file, char* buffer, LONG count)
{
    if (!file || count < 0 || (count > 0 && !buffer)) return -1;
    MMIOINFO& info = file->info;
    LONG total = 0;
    while (total < count) {
        if (info.pchNext == info.pchEndRead) {
            LONG got = Fill(*file, Position(*file));
            if (got < 0) return -1;
            if (got == 0) break;
        }
        LONG take = std::min(LONG(info.pchEndRead - info.pchNext), count - total);
        std::copy(info.pchNext, info.pchNext + take, buffer + total);
        info.pchNext += take;
        total += take;
    }
    return total;
}

LONG mmioSeek(HMMIO file, LONG offset, int origin)
{
    if (!file) return -1;
    int64_t base = origin == SEEK_SET ? 0 : origin == SEEK_CUR ? Position(*file) : origin == SEEK_END ? file->size : -1;
    if (base < 0) return -1;
    int64_t target = base + offset;
    if (target < 0 || target > kLargestOffset) return -1;
    MMIOINFO& info = file->info;
    if (target >= info.lBufOffset && target <= info.lBufOffset + (info.pchEndRead - info.pchBuffer)) {
        info.pchNext = info.pchBuffer + (target - info.lBufOffset);
    } else {
        // Nothing is read until the next read needs it.
        info.lBufOffset = LONG(target);
        info.pchNext = info.pchBuffer;
        info.pchEndRead = info.pchBuffer;
    }
    return LONG(target);
}

MMRESULT mmioDescend(HMMIO file, LPMMCKINFO chunk, const MMCKINFO* parent, UINT flags)
{
    if (!file || !chunk) return MMSYSERR_INVALHANDLE;
    if ((flags & ~UINT(MMIO_FINDCHUNK)) != 0) return MMSYSERR_INVALPARAM;
    const int64_t parentEnd = parent ? int64_t(parent->dwDataOffset) + parent->cksize : INT64_MAX;
    for (;;) {
        const int64_t start = Position(*file);
        if (start + 8 > parentEnd) return MMIOERR_CHUNKNOTFOUND;
        unsigned char header[8];
        if (mmioRead(file, reinterpret_cast<char*>(header), 8) != 8) return MMIOERR_CHUNKNOTFOUND;
        const FOURCC id = ReadDword(header);
        const DWORD size = ReadDword(header + 4);
        const int64_t dataOffset = start + 8;
        const int64_t end = dataOffset + size;
        if ((flags & MMIO_FINDCHUNK) && id != chunk->ckid) {
            // Chunks start on even offsets: an odd size is followed by a pad byte.
            const int64_t next = end + (size & 1);
            if (next > kLargestOffset || mmioSeek(file, LONG(next), SEEK_SET) < 0) return MMIOERR_CHUNKNOTFOUND;
            continue;
        }
        if (parent && (end > parentEnd || end > file->size)) {
            win32::LogLoadFailure("wave", file->name.c_str(), "a chunk runs past its parent or the file");
            return MMIOERR_CANNOTREAD;
        }
        chunk->ckid = id;
        chunk->cksize = size;
        chunk->dwDataOffset = DWORD(dataOffset);
        chunk->dwFlags = 0;
        if (id == FOURCC_RIFF || id == FOURCC_LIST) {
            unsigned char type[4];
            if (size < 4 || mmioRead(file, reinterpret_cast<char*>(type), 4) != 4) return MMIOERR_CANNOTREAD;
            chunk->fccType = ReadDword(type);
        }
        return MMSYSERR_NOERROR;
    }
}

MMRESULT mmioAscend(HMMIO file, LPMMCKINFO chunk, UINT)
{
    if (!file || !chunk) return MMSYSERR_INVALHANDLE;
    const int64_t next = int64_t(chunk->dwDataOffset) + chunk->cksize + (chunk->cksize & 1);
    if (next > kLargestOffset || mmioSeek(file, LONG(next), SEEK_SET) < 0) return MMIOERR_CANNOTSEEK;
    return MMSYSERR_NOERROR;
}

MMRESULT mmioGetInfo(HMMIO file, LPMMIOINFO info, UINT)
{
    if (!file || !info) return MMSYSERR_INVALHANDLE;
    *info = file->info;
    return MMSYSERR_NOERROR;
}

MMRESULT mmioSetInfo(HMMIO file, const MMIOINFO* info, UINT)
{
    if (!file || !info) return MMSYSERR_INVALHANDLE;
    return TakeNext(*file, *info) ? MMSYSERR_NOERROR : MMSYSERR_INVALPARAM;
}

MMRESULT mmioAdvance(HMMIO file, LPMMIOINFO info, UINT flags)
{
    if (!file) return MMSYSERR_INVALHANDLE;
    if (!file->buffered) return MMIOERR_UNBUFFERED;
    if (flags != MMIO_READ) return MMSYSERR_INVALPARAM;
    if (info && !TakeNext(*file, *info)) return MMSYSERR_INVALPARAM;
    // At the end of the file the buffer comes back empty: pchNext equals pchEndRead.
    if (Fill(*file, Position(*file)) < 0) return MMIOERR_CANNOTREAD;
    if (info) *info = file->info;
    return MMSYSERR_NOERROR;
}
