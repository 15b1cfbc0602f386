// Seeds of the MIDI path: the tunes of DATA as written, small tunes of each file format and
// event kind, and broken files.
#include "seed_files.h"

namespace seeds {

namespace {

constexpr size_t kHeaderBytes = 14;  // "MThd", its length, format, track count, division

void Put16Big(Bytes& out, uint32_t value) { out.insert(out.end(), {uint8_t(value >> 8), uint8_t(value)}); }
void Put32Big(Bytes& out, uint32_t value)
{
    out.insert(out.end(), {uint8_t(value >> 24), uint8_t(value >> 16), uint8_t(value >> 8), uint8_t(value)});
}

Bytes Track(const Bytes& events)
{
    Bytes track;
    Put(track, "MTrk");
    Put32Big(track, uint32_t(events.size()));
    track.insert(track.end(), events.begin(), events.end());
    return track;
}

Bytes Tune(uint16_t format, uint16_t division, const std::vector<Bytes>& tracks)
{
    Bytes file;
    Put(file, "MThd");
    Put32Big(file, 6);
    Put16Big(file, format);
    Put16Big(file, uint32_t(tracks.size()));
    Put16Big(file, division);
    for (const Bytes& track : tracks) {
        const Bytes chunk = Track(track);
        file.insert(file.end(), chunk.begin(), chunk.end());
    }
    return file;
}

// Tempo, a program, a controller, notes with running status, a pitch bend, a system
// exclusive message, then the end of the track. Delta times as variable-length numbers.
const Bytes kMelody = {
    0x00, 0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20,   // 500000 us a quarter note
    0x00, 0xC0, 0x30,                          // strings
    0x00, 0xB0, 0x07, 0x64,                    // volume
    0x00, 0x90, 0x3C, 0x60, 0x30, 0x40, 0x60,  // two notes, the second by running status
    0x81, 0x00, 0x3C, 0x00, 0x00, 0x40, 0x00,  // both off after 128 ticks (velocity 0)
    0x00, 0xE0, 0x00, 0x50,                    // a pitch bend
    0x00, 0xF0, 0x05, 0x7E, 0x7F, 0x09, 0x01, 0xF7,  // General MIDI on
    0x60, 0xFF, 0x2F, 0x00,
};
const Bytes kDrums = {
    0x00, 0x99, 0x24, 0x70, 0x30, 0x89, 0x24, 0x40, 0x00, 0xFF, 0x2F, 0x00,
};

}  // namespace

void WriteMidiSeeds(const std::filesystem::path& data, const std::filesystem::path& corpus)
{
    for (const auto& entry : std::filesystem::directory_iterator(data / "snd"))
        if (entry.path().extension() == ".mid") Write(corpus, entry.path().filename().string(), ReadFile(entry.path()));

    const Bytes single = Tune(0, 96, {kMelody});
    Write(corpus, "format0.mid", single);
    Write(corpus, "format1.mid", Tune(1, 480, {kMelody, kDrums}));
    Write(corpus, "format2.mid", Tune(2, 96, {kDrums, kMelody}));
    Write(corpus, "smpte.mid", Tune(0, 0xE728, {kMelody}));  // 25 frames of 40 ticks
    Write(corpus, "no-tracks.mid", Tune(1, 96, {}));

    const Bytes tune = ReadFile(data / "snd" / "title.mid");
    WriteCuts(corpus, "title.mid", tune, kHeaderBytes + 8);
    const size_t firstEvent = kHeaderBytes + 8;
    Write(corpus, "track-past-end.mid", Patched(single, kHeaderBytes + 4, {0x7F, 0xFF, 0xFF, 0xFF}));
    Write(corpus, "more-tracks.mid", Patched(single, 10, {0x00, 0x09}));
    Write(corpus, "running-status-first.mid", Patched(single, firstEvent + 1, {0x3C, 0x60}));
    Write(corpus, "meta-length.mid", Patched(single, firstEvent + 3, {0x8F, 0xFF, 0xFF, 0x7F}));
    Write(corpus, "long-delta.mid", Patched(single, firstEvent, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
    Write(corpus, "no-end.mid", Tune(0, 96, {Bytes(kMelody.begin(), kMelody.end() - 4)}));
    Write(corpus, "sysex-past-end.mid", Tune(0, 96, {{0x00, 0xF0, 0x7F, 0x01}}));
}

}  // namespace seeds
