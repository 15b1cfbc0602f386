// The stage and boss timetables, each checked to come through text-mode reading unchanged.
#include "timetables/timetables.h"

#include <fstream>
#include <stdexcept>

#include "timetables/boss_design.h"
#include "timetables/stage_design.h"

namespace makedata {

namespace {

void WriteTimetable(const std::filesystem::path& file, const std::vector<TimetableRecord>& records)
{
    const std::vector<uint8_t> bytes = EncodeTimetable(records);
    if (!SurvivesTextMode(bytes)) throw std::logic_error(file.string() + " would not survive text-mode reading");
    std::ofstream out(file, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + file.string());
}

}  // namespace

void WriteTimetables(const std::filesystem::path& dataDir)
{
    WriteTimetable(dataDir / "stage01.kfc", DesignStage());
    WriteTimetable(dataDir / "PatAt.kfc", DesignBossVolleys());
}

}  // namespace makedata
