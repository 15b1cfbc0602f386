// fopen, fread and fclose as the game's runtime library reads files: "rt" delivers a CR LF
// pair as LF and stops at a byte 0x1A; "r" and "rb" deliver the bytes as they stand.
#include "text_file.h"

#include <cstdio>
#include <cstring>
#include <limits>

#include "crt.h"
#include "file_name.h"
#include "load_log.h"

namespace crt {

struct FILE {
    std::FILE* stream = nullptr;
    bool text = false;
    bool ended = false;  // the disk is exhausted, or text mode met 0x1A
    size_t next = 0;
    size_t end = 0;
    unsigned char buffer[kFileBufferBytes];
};

namespace {

constexpr int kEnd = -1;
constexpr unsigned char kCarriageReturn = 0x0D;
constexpr unsigned char kLineFeed = 0x0A;
constexpr unsigned char kTextEnd = 0x1A;

// The next byte on the disk, through the buffer, untranslated.
int RawByte(FILE& file)
{
    if (file.next == file.end) {
        if (file.ended) return kEnd;
        file.next = 0;
        file.end = std::fread(file.buffer, 1, kFileBufferBytes, file.stream);
        if (file.end == 0) {
            file.ended = true;
            return kEnd;
        }
    }
    return file.buffer[file.next++];
}

// Looks at the next byte without taking it. Called straight after a byte was taken, so a
// refill here never drops a byte the reader has not seen.
int PeekByte(FILE& file)
{
    int byte = RawByte(file);
    if (byte != kEnd) --file.next;
    return byte;
}

int NextByte(FILE& file)
{
    int byte = RawByte(file);
    if (!file.text) return byte;
    if (byte == kTextEnd) {
        file.ended = true;
        file.next = file.end;
        return kEnd;
    }
    if (byte == kCarriageReturn && PeekByte(file) == kLineFeed) return RawByte(file);
    return byte;
}

}  // namespace

FILE* fopen(const char* fileName, const char* mode)
{
    if (!fileName || !mode) return nullptr;
    const bool text = std::strcmp(mode, "rt") == 0;
    if (!text && std::strcmp(mode, "r") != 0 && std::strcmp(mode, "rb") != 0) return nullptr;
    std::FILE* stream = std::fopen(win32::LocalFileName(fileName).c_str(), "rb");
    if (!stream) {
        win32::LogLoadFailure("file", fileName, "cannot open");
        return nullptr;
    }
    auto* file = new FILE;
    file->stream = stream;
    file->text = text;
    return file;
}

size_t fread(void* buffer, size_t size, size_t count, FILE* file)
{
    if (!buffer || !file || size == 0 || count == 0) return 0;
    if (count > std::numeric_limits<size_t>::max() / size) count = std::numeric_limits<size_t>::max() / size;
    auto* bytes = static_cast<unsigned char*>(buffer);
    const size_t wanted = size * count;
    size_t got = 0;
    while (got < wanted) {
        const int byte = NextByte(*file);
        if (byte == kEnd) break;
        bytes[got++] = static_cast<unsigned char>(byte);
    }
    // A short final item is consumed but not counted.
    return got / size;
}

int fclose(FILE* file)
{
    if (!file) return EOF;
    int result = std::fclose(file->stream);
    delete file;
    return result == 0 ? 0 : EOF;
}

}  // namespace crt
