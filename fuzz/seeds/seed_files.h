// What the seed writers share: reading DATA files, writing seeds into a target's corpus,
// and the generic ways a good file is broken.
#pragma once

#include <cstdint>
#include <filesystem>
#include <initializer_list>
#include <string>
#include <vector>

namespace seeds {

using Bytes = std::vector<uint8_t>;

Bytes ReadFile(const std::filesystem::path& file);
// Writes one seed, named name, into the corpus folder (made when missing).
void Write(const std::filesystem::path& corpus, const std::string& name, const Bytes& bytes);
// The first count bytes (all of them when the file is shorter).
Bytes Cut(const Bytes& bytes, size_t count);
// A copy with the bytes at offset overwritten (nothing written past the end).
Bytes Patched(Bytes bytes, size_t offset, std::initializer_list<uint8_t> patch);
// Little-endian fields appended.
void Put16(Bytes& out, uint32_t value);
void Put32(Bytes& out, uint32_t value);
void Put(Bytes& out, const std::string& text);

// The same file cut short three ways: after its first header bytes, halfway, and one
// byte before the end; written as name.cut<N>.
void WriteCuts(const std::filesystem::path& corpus, const std::string& name, const Bytes& bytes, size_t headerBytes);

// A picture from DATA, decoded by the game's reader and cut down to a small seed.
struct Picture {
    uint32_t width = 0;
    uint32_t height = 0;
    std::vector<uint32_t> pixels;  // 0xAARRGGBB, top row first
};
// The width x height block of the DATA picture whose top-left corner is at (x, y).
Picture Crop(const std::filesystem::path& file, uint32_t x, uint32_t y, uint32_t width, uint32_t height);

// Each writes the corpus of one fuzz target from the DATA folder.
void WriteXSeeds(const std::filesystem::path& data, const std::filesystem::path& corpus);
void WriteBmpSeeds(const std::filesystem::path& data, const std::filesystem::path& corpus);
void WritePngSeeds(const std::filesystem::path& data, const std::filesystem::path& corpus);
void WriteJpegSeeds(const std::filesystem::path& data, const std::filesystem::path& corpus);
void WriteWavSeeds(const std::filesystem::path& data, const std::filesystem::path& corpus);
void WriteMidiSeeds(const std::filesystem::path& data, const std::filesystem::path& corpus);
void WriteStageTimetableSeeds(const std::filesystem::path& data, const std::filesystem::path& corpus);
void WriteBossTimetableSeeds(const std::filesystem::path& data, const std::filesystem::path& corpus);

}  // namespace seeds
