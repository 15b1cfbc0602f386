// Builds RIFF and WAV files in memory for the reader tests, and writes them to a
// temporary folder.
#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <optional>
#include <unistd.h>
#include <string>
#include <vector>

namespace test_audio {

using Bytes = std::vector<uint8_t>;

inline void PutLe(Bytes& out, uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i) out.push_back(uint8_t(value >> (8 * i)));
}

struct Chunk {
    std::string id;
    Bytes data;
    std::optional<uint32_t> size;  // a size field that lies about the data
};

// A chunk with its pad byte after odd-sized data.
inline void PutChunk(Bytes& out, const Chunk& chunk)
{
    out.insert(out.end(), chunk.id.begin(), chunk.id.end());
    PutLe(out, chunk.size.value_or(uint32_t(chunk.data.size())), 4);
    out.insert(out.end(), chunk.data.begin(), chunk.data.end());
    if (chunk.data.size() % 2) out.push_back(0);
}

inline Bytes Riff(const std::vector<Chunk>& chunks, std::optional<uint32_t> size = {}, const char* form = "WAVE")
{
    Bytes body(form, form + 4);
    for (const Chunk& chunk : chunks) PutChunk(body, chunk);
    Bytes out;
    PutChunk(out, {"RIFF", body, size});
    return out;
}

// The 16 bytes of a format chunk, then the extra size and extra bytes when given.
inline Bytes Format(uint16_t tag, uint16_t channels, uint32_t rate, uint16_t bits,
                    std::optional<uint16_t> extraSize = {}, const Bytes& extra = {})
{
    Bytes out;
    const uint16_t blockAlign = uint16_t(channels * bits / 8);
    PutLe(out, tag, 2);
    PutLe(out, channels, 2);
    PutLe(out, rate, 4);
    PutLe(out, rate * blockAlign, 4);
    PutLe(out, blockAlign, 2);
    PutLe(out, bits, 2);
    if (extraSize) PutLe(out, *extraSize, 2);
    out.insert(out.end(), extra.begin(), extra.end());
    return out;
}

inline Bytes Samples16(const std::vector<int16_t>& samples)
{
    Bytes out;
    for (int16_t sample : samples) PutLe(out, uint16_t(sample), 2);
    return out;
}

// A fresh file in a temporary folder of this process (tests run in parallel processes).
inline std::string WriteTemp(const std::string& name, const Bytes& bytes)
{
    const std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("veltrane_audio_" + std::to_string(getpid()));
    const std::filesystem::path path = dir / name;
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    return path.string();
}

}  // namespace test_audio
