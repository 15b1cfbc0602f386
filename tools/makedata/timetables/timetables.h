// Writes the two timetables, "stage01.kfc" and "PatAt.kfc", into the DATA folder.
#pragma once

#include <filesystem>

namespace makedata {

void WriteTimetables(const std::filesystem::path& dataDir);

}  // namespace makedata
