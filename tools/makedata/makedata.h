// The DATA generator: each generator writes its share of the folder (sheets, models and
// timetables, sounds and tunes) and registers itself with a static Registration.
#pragma once

#include <filesystem>
#include <functional>
#include <vector>

namespace makedata {

using Generator = std::function<void(const std::filesystem::path& dataDir)>;

struct Registration {
    Registration(const char* name, Generator generate);
};

struct NamedGenerator {
    const char* name;
    Generator generate;
};
std::vector<NamedGenerator>& Generators();

}  // namespace makedata
