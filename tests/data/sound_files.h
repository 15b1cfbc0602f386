// Minimal readers of the generated files, for what the game's own readers do not show: the
// chunk layout of a WAV file and the notes of a MIDI file. They throw std::runtime_error on
// anything malformed.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace soundtest {

std::vector<std::uint8_t> ReadBytes(const std::filesystem::path& file);

// The ids of the chunks inside a RIFF file, in file order.
std::vector<std::string> RiffChunkIds(const std::vector<std::uint8_t>& bytes);

struct MidiNote {
    int channel;
    int key;
    int onTick;
    int offTick;
};

struct MidiFile {
    int format = 0;
    int division = 0;                 // ticks per quarter note
    int microsecondsPerQuarter = 0;   // the first tempo
    int tempoChanges = 0;
    std::vector<int> trackEnds;       // the tick of each track's end-of-track
    std::vector<int> programs;        // one entry per program change: channel * 128 + program
    std::vector<MidiNote> notes;
    int unfinishedNotes = 0;          // note-ons never followed by their note-off
};
MidiFile ParseMidi(const std::vector<std::uint8_t>& bytes);

}  // namespace soundtest
