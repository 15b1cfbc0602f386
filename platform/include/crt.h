// The runtime library's file reading as the game's compiler gave it: "rt" opens a file in
// text mode, where a CR LF pair reads as LF and a byte 0x1A ends the data. glibc ignores
// the "t", so the game reads its timetables through these instead of <cstdio>'s.
#pragma once

#include <cstddef>

namespace crt {

struct FILE;

// Modes "r"/"rb" read bytes unchanged; "rt" translates as above. Null when the file
// cannot be opened.
FILE* fopen(const char* fileName, const char* mode);
// Whole items read, as the standard fread counts them.
size_t fread(void* buffer, size_t size, size_t count, FILE* file);
int fclose(FILE* file);

}  // namespace crt
