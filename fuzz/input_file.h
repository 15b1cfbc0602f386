// The fuzzer's bytes as a file of this process's own, for the readers the game hands a
// file name. Null when the file cannot be written.
#pragma once

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <string>

inline const char* WriteInputFile(const uint8_t* data, size_t size, const char* extension)
{
    static const std::string path = "/tmp/veltrane_fuzz_" + std::to_string(getpid()) + extension;
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return nullptr;
    const bool written = std::fwrite(data, 1, size, file) == size;
    return std::fclose(file) == 0 && written ? path.c_str() : nullptr;
}
