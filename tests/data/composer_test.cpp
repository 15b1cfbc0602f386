// The composer's shorthand and arranging rules, and the MIDI bytes they turn into.
#include <gtest/gtest.h>

#include <stdexcept>

#include "sound_files.h"
#include "tunes/section.h"
#include "tunes/tune.h"

namespace {

using namespace makedata::tune;

TEST(Notation, PitchesCountFromMiddleCAsC4)
{
    EXPECT_EQ(ParsePitch("C4"), 60);
    EXPECT_EQ(ParsePitch("A4"), 69);
    EXPECT_EQ(ParsePitch("Bb4"), 70);
    EXPECT_EQ(ParsePitch("F#2"), 42);
    // An accidental can cross the octave line of its letter.
    EXPECT_EQ(ParsePitch("Cb4"), 59);
    EXPECT_EQ(ParsePitch("B#3"), 60);
    EXPECT_THROW(ParsePitch("H4"), std::invalid_argument);
    EXPECT_THROW(ParsePitch("C"), std::invalid_argument);
    EXPECT_EQ(ParsePitch("G9"), 127);
    EXPECT_THROW(ParsePitch("G#9"), std::invalid_argument);  // past the last MIDI key
}

TEST(Notation, ChordsLastABarUnlessTold)
{
    const std::vector<Chord> chords = ParseChords("Am F#:8 G7:8", kTicksPerBar);
    ASSERT_EQ(chords.size(), 3u);
    EXPECT_EQ(chords[0].root, 9);
    EXPECT_EQ(chords[0].intervals, (std::vector<int>{0, 3, 7}));
    EXPECT_EQ(chords[0].startTick, kTicksPerBar);
    EXPECT_EQ(chords[1].root, 6);
    EXPECT_EQ(chords[1].lengthTicks, kTicksPerBar / 2);
    EXPECT_EQ(chords[2].intervals, (std::vector<int>{0, 4, 7, 10}));
    EXPECT_EQ(chords[2].startTick, 2 * kTicksPerBar + kTicksPerBar / 2);
    EXPECT_THROW(ParseChords("Cblue", 0), std::invalid_argument);
}

Part Empty()
{
    return {"test", 0, 0, 100, 64, 0, 100, {}};
}

TEST(Section, MelodiesFillTheirSectionAndTiesLengthenNotes)
{
    Song song;
    const Section section = song.Next("C G");
    Part part = Empty();
    section.Melody(part, "C5:8 ~:8 | D5+F5:12 ~:4", 100);
    ASSERT_EQ(part.notes.size(), 3u);
    EXPECT_EQ(part.notes[0].length, kTicksPerBar);
    EXPECT_EQ(part.notes[1].tick, kTicksPerBar);
    EXPECT_EQ(part.notes[1].length, kTicksPerBar);
    EXPECT_EQ(part.notes[2].key, 77);  // F5, sounding with D5
    EXPECT_EQ(part.notes[2].length, kTicksPerBar);

    EXPECT_THROW(section.Melody(part, "C5:16 D5:8", 100), std::invalid_argument);      // one bar and a half
    EXPECT_THROW(section.Melody(part, "C5:8 | D5:8 E5:16", 100), std::invalid_argument); // bar line in mid-bar
    EXPECT_THROW(section.Melody(part, "r:16 ~:16", 100), std::invalid_argument);        // a tie after a rest
    EXPECT_EQ(song.EndTick(), 2 * kTicksPerBar);
}

TEST(Section, PatternsFollowTheChordOfEachNote)
{
    Song song;
    const Section section = song.Next("Am:8 F:8");
    Part arpeggio = Empty();
    section.Arpeggio(arpeggio, "0:2 1:2 2:2 3:2 0:2 1:2 2:2 3:2", 57, 100);
    std::vector<int> keys;
    for (const Note& note : arpeggio.notes) {
        keys.push_back(note.key);
    }
    // A minor from A3 upwards, then F major from A3 upwards (A3, C4, F4, then A4).
    EXPECT_EQ(keys, (std::vector<int>{57, 60, 64, 69, 57, 60, 65, 69}));
    // Off-beat notes are softer than those on the beat.
    EXPECT_GT(arpeggio.notes[0].velocity, arpeggio.notes[1].velocity);

    Part bass = Empty();
    section.Bass(bass, "0+7:8 12:8", 33, 100);
    EXPECT_EQ(bass.notes[0].key, 33);   // A1, the root at or above the low key
    EXPECT_EQ(bass.notes[1].key, 40);
    EXPECT_EQ(bass.notes[2].key, 53);   // under F the root is F2 (41), and 12 above it F3
    EXPECT_THROW(section.Bass(bass, "0:8", 33, 100), std::invalid_argument);  // half a bar
}

TEST(Section, DrumsPlayTheFillInTheLastBar)
{
    Song song;
    const Section section = song.Next("C C");
    Part drums = Empty();
    section.Drums(drums, {{36, "x... x... x... x..."}}, {{38, "X.X. .... .... ...."}}, true);
    int kicks = 0;
    int snares = 0;
    int crashes = 0;
    for (const Note& note : drums.notes) {
        kicks += note.key == 36 && note.tick < kTicksPerBar;
        snares += note.key == 38 && note.tick >= kTicksPerBar;
        crashes += note.key == 49 && note.tick == 0;
    }
    EXPECT_EQ(kicks, 4);
    EXPECT_EQ(snares, 2);
    EXPECT_EQ(crashes, 1);
    EXPECT_EQ(drums.notes.size(), 7u);
    EXPECT_THROW(section.Drums(drums, {{36, "x..."}}, {}, false), std::invalid_argument);
}

TEST(TuneFile, RepeatedKeysEndBeforeTheyStrikeAgainAndTheLoopPointHolds)
{
    Part part = Empty();
    part.notes = {{0, kTicksPerBar / 2, 60, 90}, {kTicksPerBar / 2, kTicksPerBar / 2, 60, 90}};
    const Tune tune{"test", 120, kTicksPerBar, {part}};
    const soundtest::MidiFile midi = soundtest::ParseMidi(EncodeTune(tune));
    EXPECT_EQ(midi.unfinishedNotes, 0);
    ASSERT_EQ(midi.notes.size(), 2u);
    EXPECT_EQ(midi.notes[0].offTick, kTicksPerBar / 2);
    EXPECT_EQ(midi.notes[1].onTick, kTicksPerBar / 2);
    EXPECT_EQ(midi.microsecondsPerQuarter, 500000);
    EXPECT_EQ(midi.trackEnds, (std::vector<int>{kTicksPerBar, kTicksPerBar}));

    Tune ringing = tune;
    ringing.parts[0].notes.push_back({kTicksPerBar - 10, 20, 64, 90});
    EXPECT_THROW(EncodeTune(ringing), std::logic_error);
}

}  // namespace
