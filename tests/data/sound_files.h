// Minimal readers of the generated WAV and MIDI files, so the tests can look inside them.
// They throw std::runtime_error on anything malformed.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace soundtest {

std::vector<std::uint8_t> ReadBytes(const std::filesystem::path& file);

struct WaveFile {
    int formatTag = 0;
    int channels = 0;
    int sampleRate = 0;
    int bytesPerSecond = 0;
    int blockAlign = 0;
    int bitsPerSample = 0;
    std::vector<std::string> chunks;  // the ids inside RIFF, in file order
    std::vector<double> samples;      // 16-bit samples scaled to -1 .. 1
};
WaveFile ParseWave(const std::vector<std::uint8_t>& bytes);

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
