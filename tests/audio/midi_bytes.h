// Builds Standard MIDI Files in memory for the loader, validator and performance tests.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <vector>

namespace test_audio {

using MidiBytes = std::vector<uint8_t>;

inline void PutBe(MidiBytes& out, uint32_t value, int bytes)
{
    for (int i = bytes - 1; i >= 0; --i) out.push_back(uint8_t(value >> (8 * i)));
}

inline MidiBytes VarLen(uint32_t value)
{
    MidiBytes out{uint8_t(value & 0x7F)};
    while (value >>= 7) out.insert(out.begin(), uint8_t(0x80 | (value & 0x7F)));
    return out;
}

// One event: its delta time in ticks, then its bytes.
inline MidiBytes Event(uint32_t delta, std::initializer_list<uint8_t> bytes)
{
    MidiBytes out = VarLen(delta);
    out.insert(out.end(), bytes);
    return out;
}

inline MidiBytes EndOfTrack(uint32_t delta) { return Event(delta, {0xFF, 0x2F, 0x00}); }

inline MidiBytes Track(std::initializer_list<MidiBytes> events)
{
    MidiBytes body;
    for (const MidiBytes& event : events) body.insert(body.end(), event.begin(), event.end());
    MidiBytes out{'M', 'T', 'r', 'k'};
    PutBe(out, uint32_t(body.size()), 4);
    out.insert(out.end(), body.begin(), body.end());
    return out;
}

inline MidiBytes Smf(uint16_t format, std::initializer_list<MidiBytes> tracks, uint16_t division = 480)
{
    MidiBytes out{'M', 'T', 'h', 'd', 0, 0, 0, 6};
    PutBe(out, format, 2);
    PutBe(out, uint32_t(tracks.size()), 2);
    PutBe(out, division, 2);
    for (const MidiBytes& track : tracks) out.insert(out.end(), track.begin(), track.end());
    return out;
}

// Half a second of one held organ note at the default 120 beats a minute (480 ticks a
// beat), ending exactly where the note ends, so it loops with no gap.
inline MidiBytes HeldNote()
{
    return Smf(0, {Track({Event(0, {0xC0, 19}), Event(0, {0x90, 60, 100}), Event(480, {0x80, 60, 0}),
                          EndOfTrack(0)})});
}

}  // namespace test_audio
