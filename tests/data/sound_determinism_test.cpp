// The generator writes the same sounds and tunes, byte for byte, on every run.
#include <gtest/gtest.h>

#include <filesystem>

#include "makedata.h"
#include "support/scratch_folder.h"
#include "sound_files.h"

namespace {

void Generate(const std::filesystem::path& dataDir)
{
    makedata::WriteSounds(dataDir);
    makedata::WriteTunes(dataDir);
}

TEST(SoundData, IsTheSameOnEveryRun)
{
    const ScratchFolder scratchFolder("veltrane-sound-data");
    const std::filesystem::path& scratch = scratchFolder.path();
    Generate(scratch / "first");
    Generate(scratch / "second");
    const char* const files[] = {"enter.wav", "shot.wav", "EnemyDie.wav", "damege.wav", "siren.wav", "laser.wav",
                                 "BossDie.wav", "title.mid", "stage01.mid", "boss.mid", "ending.mid"};
    for (const char* file : files) {
        const auto first = soundtest::ReadBytes(scratch / "first" / "snd" / file);
        EXPECT_FALSE(first.empty()) << file;
        EXPECT_EQ(first, soundtest::ReadBytes(scratch / "second" / "snd" / file)) << file;
        EXPECT_EQ(first, soundtest::ReadBytes(std::filesystem::path("DATA/snd") / file)) << file << " differs from the build's";
    }
}

}  // namespace
