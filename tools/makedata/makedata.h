// The DATA generator: each share of the folder (sheets, models, timetables, sounds, tunes)
// is written by its own folder of the generator, and main runs them from one list.
#pragma once

#include <filesystem>
#include <span>

namespace makedata {

void WriteSheets(const std::filesystem::path& dataDir);
void WriteSounds(const std::filesystem::path& dataDir);
void WriteTunes(const std::filesystem::path& dataDir);

struct NamedGenerator {
    const char* name;
    void (*generate)(const std::filesystem::path& dataDir);
};
// Every share, in the order main writes them.
std::span<const NamedGenerator> Generators();

}  // namespace makedata
