// The fuzzer's bytes as a file of this process's own, for the readers the game hands a
// file name. Null when the file cannot be written.
#pragma once

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
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

// The fuzzer's bytes as the file the game opens by a fixed name (such as
// "DATA/stage01.kfc"), in a working folder of this process's own, made on the first call.
inline bool WriteGameFile(const uint8_t* data, size_t size, const char* name)
{
    static const bool inFolder = [] {
        const std::string folder = "/tmp/veltrane_fuzz_run_" + std::to_string(getpid());
        return (mkdir(folder.c_str(), 0700) == 0 || errno == EEXIST) && chdir(folder.c_str()) == 0 &&
               (mkdir("DATA", 0700) == 0 || errno == EEXIST);
    }();
    if (!inFolder) return false;
    std::FILE* file = std::fopen(name, "wb");
    if (!file) return false;
    const bool written = std::fwrite(data, 1, size, file) == size;
    return std::fclose(file) == 0 && written;
}
