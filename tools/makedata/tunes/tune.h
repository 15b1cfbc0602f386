// A tune as the composer builds it: parts of timed notes on General MIDI instruments, which
// become a Standard MIDI File that loops at its end.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace makedata::tune {

constexpr int kTicksPerQuarter = 480;
constexpr int kTicksPerStep = kTicksPerQuarter / 4;  // a sixteenth note
constexpr int kStepsPerBar = 16;                     // every tune is in 4/4
constexpr int kTicksPerBar = kTicksPerStep * kStepsPerBar;
constexpr int kDrumChannel = 9;                      // channel 10 as players count

struct Note {
    int tick;
    int length;  // ticks as written; the part's gate shortens what sounds
    int key;     // MIDI key, 60 is middle C
    int velocity;
};

struct Part {
    std::string name;
    int channel;
    int program;      // General MIDI program, counted from 0
    int volume;       // controller 7
    int pan;          // controller 10, 64 is the centre
    int reverb;       // controller 91
    int gatePercent;  // how much of each written length sounds
    std::vector<Note> notes;
};

struct Tune {
    std::string name;
    int beatsPerMinute;
    int endTick;  // the loop point, at the end of the last bar
    std::vector<Part> parts;
};

// A note that would still sound after the loop point throws.
std::vector<std::uint8_t> EncodeTune(const Tune& tune);

}  // namespace makedata::tune
