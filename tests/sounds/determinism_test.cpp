// The generator writes the same sounds and tunes, byte for byte, on every run.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "sounds/sound_files.h"

namespace {

std::filesystem::path MakeDataProgram()
{
    const char* build = std::getenv("VELTRANE_BUILD");
    return std::filesystem::path(build ? build : ".") / "makedata";
}

TEST(SoundData, IsTheSameOnEveryRun)
{
    const std::filesystem::path scratch = std::filesystem::temp_directory_path() /
                                          ("veltrane-sounds-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
    std::filesystem::remove_all(scratch);
    for (const char* run : {"first", "second"}) {
        const std::string command = MakeDataProgram().string() + " " + (scratch / run).string();
        ASSERT_EQ(std::system(command.c_str()), 0) << command;
    }
    const char* const files[] = {"enter.wav", "shot.wav", "EnemyDie.wav", "damege.wav", "siren.wav", "laser.wav",
                                 "BossDie.wav", "title.mid", "stage01.mid", "boss.mid", "ending.mid"};
    for (const char* file : files) {
        const auto first = ReadBytes(scratch / "first" / "snd" / file);
        EXPECT_FALSE(first.empty()) << file;
        EXPECT_EQ(first, ReadBytes(scratch / "second" / "snd" / file)) << file;
        EXPECT_EQ(first, ReadBytes(std::filesystem::path("DATA/snd") / file)) << file << " differs from the build's";
    }
    std::filesystem::remove_all(scratch);
}

}  // namespace
