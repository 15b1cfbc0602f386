// fuzz_seeds DATA OUT: writes each fuzz target's seed corpus, OUT/<target>, from the
// game's generated DATA folder: its files as they are, small variants of them in the other
// forms each reader takes, and broken copies.
#include <cstdio>
#include <exception>

#include "seed_files.h"

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: fuzz_seeds DATA OUT\n");
        return 2;
    }
    const std::filesystem::path data = argv[1];
    const std::filesystem::path out = argv[2];
    try {
        seeds::WriteXSeeds(data, out / "xfile");
        seeds::WriteBmpSeeds(data, out / "bmp");
        seeds::WritePngSeeds(data, out / "png");
        seeds::WriteJpegSeeds(data, out / "jpeg");
        seeds::WriteWavSeeds(data, out / "wav");
        seeds::WriteMidiSeeds(data, out / "midi");
        seeds::WriteStageTimetableSeeds(data, out / "stage_timetable");
        seeds::WriteBossTimetableSeeds(data, out / "boss_timetable");
    } catch (const std::exception& error) {
        std::fprintf(stderr, "fuzz_seeds: %s\n", error.what());
        return 1;
    }
    return 0;
}
