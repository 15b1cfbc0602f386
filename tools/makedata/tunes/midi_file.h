// Standard MIDI File writing: type 1, the first track for tempo and metre, one track per
// instrument after it.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace makedata::tune {

struct MidiEvent {
    int tick;
    std::vector<std::uint8_t> bytes;  // a channel message, or FF, type, length and data
};
using MidiTrack = std::vector<MidiEvent>;  // in time order

MidiEvent ChannelEvent(int tick, int status, int channel, int first, int second);
MidiEvent ProgramChange(int tick, int channel, int program);
MidiEvent MetaEvent(int tick, int type, std::vector<std::uint8_t> data);
MidiEvent TrackName(int tick, std::string_view name);

// Every track ends at `endTick`, the loop point; an event after it, or out of time order,
// throws.
std::vector<std::uint8_t> EncodeMidiFile(const std::vector<MidiTrack>& tracks, int ticksPerQuarter, int endTick);

}  // namespace makedata::tune
