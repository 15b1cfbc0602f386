// Seeds of the two timetable targets: DATA's timetables, short and long tables, the
// text-mode bytes (CR LF pairs, 0x1A), numbers that are not finite, and cut copies.
#include "seed_files.h"

namespace seeds {

namespace {

void PutFloat(Bytes& out, float value)
{
    uint32_t bits;
    static_assert(sizeof bits == sizeof value);
    __builtin_memcpy(&bits, &value, sizeof bits);
    Put32(out, bits);
}

Bytes Table(int32_t count, std::initializer_list<std::initializer_list<float>> records)
{
    Bytes out;
    Put32(out, uint32_t(count));
    for (const auto& record : records) {
        auto field = record.begin();
        PutFloat(out, field[0]);
        PutFloat(out, field[1]);
        out.push_back(uint8_t(field[2]));
    }
    return out;
}

void WriteTimetableSeeds(const std::filesystem::path& file, const std::filesystem::path& corpus)
{
    const Bytes stored = ReadFile(file);
    Write(corpus, file.filename().string(), stored);
    WriteCuts(corpus, file.filename().string(), stored, 4 + 9);
    Write(corpus, "worked.kfc", Table(3, {{9, 2, 0}, {9, 2, 5}, {1, 0, 7}}));
    Write(corpus, "count-over.kfc", Table(500, {{1, 1, 0}, {2, 2, 1}}));
    Write(corpus, "count-negative.kfc", Table(-1, {{1, 1, 0}}));
    Write(corpus, "not-finite.kfc", Table(2, {{__builtin_nanf(""), 1, 0}, {1, __builtin_inff(), 0}}));
    Write(corpus, "crlf-eof.kfc", Bytes{2, 0, 0, 0, 0x0D, 0x0A, 0, 0, 0, 0, 0x80, 0x3F, 1, 0x1A, 0, 0});
}

}  // namespace

void WriteStageTimetableSeeds(const std::filesystem::path& data, const std::filesystem::path& corpus)
{
    WriteTimetableSeeds(data / "stage01.kfc", corpus);
}

void WriteBossTimetableSeeds(const std::filesystem::path& data, const std::filesystem::path& corpus)
{
    WriteTimetableSeeds(data / "PatAt.kfc", corpus);
}

}  // namespace seeds
