// The byte layout shared by both timetables, "./DATA/stage01.kfc" and "./DATA/PatAt.kfc":
// a little-endian 32-bit count, then 9-byte records of two 32-bit floats and one byte.
// The game opens them in text mode, which would turn a CR LF pair into LF and stop at a
// 0x1A byte, so a file is only good when its bytes hold neither.
#pragma once

#include <bit>
#include <cstdint>
#include <cstring>
#include <vector>

namespace makedata {

struct TimetableRecord {
    float x;       // stage: entry x before the game's shift of -9; boss: not read
    float time;    // stage: units of 15 stage-timer steps; boss: units of 20 frames
    uint8_t type;  // stage: enemy type 0 to 6; boss: 0 for a bomb volley
};

inline void AppendLittleEndian(std::vector<uint8_t>& bytes, uint32_t value)
{
    static_assert(std::endian::native == std::endian::little);
    const uint8_t* p = reinterpret_cast<const uint8_t*>(&value);
    bytes.insert(bytes.end(), p, p + 4);
}

inline void AppendRecord(std::vector<uint8_t>& bytes, const TimetableRecord& record)
{
    AppendLittleEndian(bytes, std::bit_cast<uint32_t>(record.x));
    AppendLittleEndian(bytes, std::bit_cast<uint32_t>(record.time));
    bytes.push_back(record.type);
}

inline std::vector<uint8_t> EncodeTimetable(const std::vector<TimetableRecord>& records)
{
    std::vector<uint8_t> bytes;
    AppendLittleEndian(bytes, static_cast<uint32_t>(records.size()));
    for (const TimetableRecord& record : records) AppendRecord(bytes, record);
    return bytes;
}

// True when text-mode reading delivers these bytes unchanged.
inline bool SurvivesTextMode(const std::vector<uint8_t>& bytes)
{
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == 0x1A) return false;
        if (bytes[i] == 0x0D && i + 1 < bytes.size() && bytes[i + 1] == 0x0A) return false;
    }
    return true;
}

inline bool SurvivesTextMode(const TimetableRecord& record)
{
    std::vector<uint8_t> bytes;
    AppendRecord(bytes, record);
    return SurvivesTextMode(bytes);
}

}  // namespace makedata
