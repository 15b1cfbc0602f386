// Where the sounds and tunes go: DATA/snd, made on first use.
#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

namespace makedata {

std::filesystem::path SoundFolder(const std::filesystem::path& dataDir);

// Throws when the file cannot be written whole.
void WriteBytes(const std::filesystem::path& file, const std::vector<std::uint8_t>& bytes);

}  // namespace makedata
