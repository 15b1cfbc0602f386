// The Standard MIDI File check: real-world good and bad files, and each structural rule.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "midi_bytes.h"
#include "midi_file.h"
#include "support/testdata.h"

using namespace test_audio;
using dmusic::IsPlayableMidiFile;

namespace {

bool Playable(const MidiBytes& bytes) { return IsPlayableMidiFile(bytes.data(), bytes.size()); }

TEST(MidiFile, RealWorldFilesLoadOrAreRefusedAsTheirNamesSay)
{
    REQUIRE_TESTDATA();
    const std::filesystem::path root = TestDataDir() / "mid";
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(root)) {
        std::ifstream file(entry.path(), std::ios::binary);
        const MidiBytes bytes{std::istreambuf_iterator<char>(file), {}};
        const std::string name = entry.path().filename().string();
        const bool good = name.find("Bad") == std::string::npos;
        EXPECT_EQ(Playable(bytes), good) << name;
        ++files;
    }
    EXPECT_EQ(files, 11);
}

TEST(MidiFile, AcceptsFormatsZeroOneAndTwoWithRunningStatusSysExAndMeta)
{
    const MidiBytes track = Track({Event(0, {0xF0, 2, 0x7E, 0xF7}), Event(0, {0xFF, 0x51, 3, 7, 0xA1, 0x20}),
                                   Event(0, {0x90, 60, 100}), Event(10, {62, 100}), Event(0, {0xC0, 5}),
                                   Event(0, {6}), EndOfTrack(0)});
    EXPECT_TRUE(Playable(HeldNote()));
    EXPECT_TRUE(Playable(Smf(0, {track})));
    EXPECT_TRUE(Playable(Smf(1, {track, track})));
    EXPECT_TRUE(Playable(Smf(2, {track, track, track})));
    // Bytes after the end-of-track event are never played and not looked at.
    MidiBytes trailing = Track({EndOfTrack(0), Event(0, {0xF1})});
    EXPECT_TRUE(Playable(Smf(0, {trailing})));
}

TEST(MidiFile, RefusesEveryBrokenStructure)
{
    const MidiBytes good = HeldNote();
    EXPECT_FALSE(IsPlayableMidiFile(nullptr, 0));
    for (size_t cut = 0; cut < good.size() - 3; ++cut)  // the last 3 bytes are the end of track
        EXPECT_FALSE(Playable(MidiBytes(good.begin(), good.begin() + long(cut)))) << "cut at " << cut;

    const MidiBytes track = Track({EndOfTrack(0)});
    EXPECT_FALSE(Playable(Smf(0, {track, track})));  // format 0 has one track
    EXPECT_FALSE(Playable(Smf(3, {track})));
    EXPECT_FALSE(Playable(Smf(1, {})));
    EXPECT_FALSE(Playable(Smf(0, {track}, 0)));
    EXPECT_FALSE(Playable(Smf(0, {track}, 0xE728)));  // 25 frames a second, 40 ticks a frame
    EXPECT_FALSE(Playable(Smf(0, {Track({Event(0, {60, 100})})})));  // running status with none set
    // Running status after a meta event or a system exclusive message, which both cancel it.
    const MidiBytes note = Event(0, {0x90, 60, 100});
    EXPECT_FALSE(Playable(Smf(0, {Track({note, Event(0, {0xFF, 0x01, 0}), Event(0, {62, 100})})})));
    EXPECT_FALSE(Playable(Smf(0, {Track({note, Event(0, {0xF0, 1, 0xF7}), Event(0, {62, 100})})})));
    EXPECT_FALSE(Playable(Smf(0, {Track({Event(0, {0x90, 60, 0x80})})})));  // a data byte with its top bit
    EXPECT_FALSE(Playable(Smf(0, {Track({Event(0, {0xF0, 9, 1})})})));  // system exclusive past the track
    EXPECT_FALSE(Playable(Smf(0, {Track({Event(0, {0xFF, 0x01, 0x81})})})));  // length cut short
    EXPECT_FALSE(Playable(Smf(0, {Track({Event(0, {0xF8})})})));  // a real-time message
    EXPECT_FALSE(Playable(Smf(0, {Track({MidiBytes{0x81, 0x81, 0x81, 0x81, 0x01, 0xFF, 0x2F, 0}})})));  // 5-byte delta

    MidiBytes longHeader = good;
    longHeader[7] = 8;
    EXPECT_FALSE(Playable(longHeader));
    MidiBytes longTrack = good;
    longTrack[21] += 1;  // the track claims a byte the file does not have
    EXPECT_FALSE(Playable(longTrack));
}

}  // namespace
