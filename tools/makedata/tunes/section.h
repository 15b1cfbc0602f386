// Arranging a tune section by section: a section is a run of bars under a chord sequence,
// and each part writes its line, its pattern over the chords, or its held chords into it.
// Every line has to fill its section exactly, so a miscounted bar throws at build time.
#pragma once

#include <string_view>
#include <vector>

#include "tunes/notation.h"
#include "tunes/tune.h"

namespace makedata::tune {

// One drum of a one-bar groove: its key and sixteen steps, 'X' loud, 'x' normal, 'o' soft,
// '.' silent (spaces are ignored).
struct DrumLine {
    int key;
    std::string_view steps;
};
using DrumBar = std::vector<DrumLine>;

class Section {
public:
    explicit Section(std::vector<Chord> chords);
    int EndTick() const;

    // A line of pitches, "E5:6 D5:2 | C5:16", moved by `transpose` semitones.
    void Melody(Part& part, std::string_view line, int velocity, int transpose = 0) const;
    // A one-bar pattern of semitones above each chord's root, the root taken at or above
    // `lowKey`: "0:2 12:2 7:2 ..."; "0+7+12" sounds a power chord.
    void Bass(Part& part, std::string_view bar, int lowKey, int velocity) const;
    // A one-bar pattern of chord tones counted upwards from `lowKey`: "0:2 1:2 2:2 3:2 ...".
    void Arpeggio(Part& part, std::string_view bar, int lowKey, int velocity) const;
    // Each chord held for its length, its tones in the octave from `lowKey`.
    void Pad(Part& part, int lowKey, int velocity) const;
    // The groove in each bar but the last, which plays the fill; a crash opens the section
    // when asked.
    void Drums(Part& part, const DrumBar& groove, const DrumBar& fill, bool crash) const;

private:
    const Chord& ChordAt(int tick) const;
    template <typename KeysOf>
    void Pattern(Part& part, std::string_view bar, int velocity, KeysOf keysOf) const;

    std::vector<Chord> chords_;
    int startTick_;
    int endTick_;
};

// The sections of a tune in order, each starting where the one before ended.
class Song {
public:
    Section Next(std::string_view chords);
    int EndTick() const { return endTick_; }

private:
    int endTick_ = 0;
};

}  // namespace makedata::tune
