// From parts of notes to MIDI tracks: set-up messages at the start, then the notes with each
// note-off placed before the note-ons of the same tick.
#include "tunes/tune.h"

#include <algorithm>
#include <stdexcept>

#include "tunes/midi_file.h"

namespace makedata::tune {

namespace {

MidiTrack TempoTrack(const Tune& tune)
{
    const auto tempo = static_cast<std::uint32_t>(60000000 / tune.beatsPerMinute);  // microseconds a beat
    return {
        TrackName(0, tune.name),
        MetaEvent(0, 0x58, {4, 2, 24, 8}),  // 4/4, a click every quarter
        MetaEvent(0, 0x51, {static_cast<std::uint8_t>(tempo >> 16), static_cast<std::uint8_t>(tempo >> 8),
                            static_cast<std::uint8_t>(tempo)}),
    };
}

MidiTrack PartTrack(const Part& part, int endTick)
{
    MidiTrack track = {
        TrackName(0, part.name),
        ProgramChange(0, part.channel, part.program),
        ChannelEvent(0, 0xB0, part.channel, 7, part.volume),
        ChannelEvent(0, 0xB0, part.channel, 10, part.pan),
        ChannelEvent(0, 0xB0, part.channel, 91, part.reverb),
    };
    struct Timed {
        int tick;
        bool on;
        MidiEvent event;
    };
    std::vector<Timed> notes;
    for (const Note& note : part.notes) {
        const int sounding = std::max(1, note.length * part.gatePercent / 100);
        if (note.tick + sounding > endTick) {
            throw std::logic_error(part.name + ": a note rings past the loop point");
        }
        notes.push_back({note.tick, true, ChannelEvent(note.tick, 0x90, part.channel, note.key, note.velocity)});
        notes.push_back({note.tick + sounding, false,
                         ChannelEvent(note.tick + sounding, 0x80, part.channel, note.key, 64)});
    }
    std::stable_sort(notes.begin(), notes.end(), [](const Timed& a, const Timed& b) {
        return a.tick != b.tick ? a.tick < b.tick : (!a.on && b.on);
    });
    for (Timed& note : notes) {
        track.push_back(std::move(note.event));
    }
    return track;
}

}  // namespace

std::vector<std::uint8_t> EncodeTune(const Tune& tune)
{
    std::vector<MidiTrack> tracks = {TempoTrack(tune)};
    for (const Part& part : tune.parts) {
        tracks.push_back(PartTrack(part, tune.endTick));
    }
    return EncodeMidiFile(tracks, kTicksPerQuarter, tune.endTick);
}

}  // namespace makedata::tune
