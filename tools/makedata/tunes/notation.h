// The composer's shorthand: pitches ("C#5", middle C is "C4"), chord symbols ("Am", "F#",
// "G7:8") and lines of steps ("E5:6 D5:2 | C5+E5:8 r:8"). A length after a colon counts
// sixteenths and carries over to the following tokens until changed. Mistakes throw.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace makedata::tune {

int ParsePitch(std::string_view text);
int ParseNumber(std::string_view text);

struct Chord {
    int root;                    // pitch class, 0 is C
    std::vector<int> intervals;  // semitones above the root, the root's 0 first
    int startTick;
    int lengthTicks;
};

// "Am F:8 G7:8": one bar for each chord unless a length says otherwise.
std::vector<Chord> ParseChords(std::string_view text, int startTick);

struct Step {
    enum class Kind { Sound, Rest, Tie, BarLine } kind;
    std::vector<std::string> values;  // for a sound: what sounds together ("C5+E5" gives two)
    int steps;                        // its length in sixteenths; 0 for a bar line
};

std::vector<Step> ParseSteps(std::string_view text);

// Two lines, one after the other.
std::string Joined(std::string_view first, std::string_view second);

}  // namespace makedata::tune
