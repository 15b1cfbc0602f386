// The byte layout of a Standard MIDI File.
#include "tunes/midi_file.h"

#include <stdexcept>
#include <utility>

namespace makedata::tune {

namespace {

void PutVariable(std::vector<std::uint8_t>& out, std::uint32_t value)
{
    std::uint8_t groups[5];
    int count = 0;
    do {
        groups[count++] = static_cast<std::uint8_t>(value & 0x7F);
        value >>= 7;
    } while (value != 0);
    while (count > 1) {
        out.push_back(groups[--count] | 0x80);
    }
    out.push_back(groups[0]);
}

void PutBig(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes)
{
    for (int shift = 8 * (bytes - 1); shift >= 0; shift -= 8) {
        out.push_back(static_cast<std::uint8_t>(value >> shift));
    }
}

void PutChunk(std::vector<std::uint8_t>& out, const char* id, const std::vector<std::uint8_t>& body)
{
    out.insert(out.end(), id, id + 4);
    PutBig(out, static_cast<std::uint32_t>(body.size()), 4);
    out.insert(out.end(), body.begin(), body.end());
}

std::vector<std::uint8_t> TrackBody(const MidiTrack& track, int endTick)
{
    std::vector<std::uint8_t> body;
    int now = 0;
    for (const MidiEvent& event : track) {
        if (event.tick < now || event.tick > endTick) {
            throw std::logic_error("MIDI event out of order or past the loop end");
        }
        PutVariable(body, static_cast<std::uint32_t>(event.tick - now));
        body.insert(body.end(), event.bytes.begin(), event.bytes.end());
        now = event.tick;
    }
    PutVariable(body, static_cast<std::uint32_t>(endTick - now));
    body.insert(body.end(), {0xFF, 0x2F, 0x00});  // end of track
    return body;
}

}  // namespace

MidiEvent ChannelEvent(int tick, int status, int channel, int first, int second)
{
    return {tick, {static_cast<std::uint8_t>(status | channel), static_cast<std::uint8_t>(first),
                   static_cast<std::uint8_t>(second)}};
}

MidiEvent ProgramChange(int tick, int channel, int program)
{
    return {tick, {static_cast<std::uint8_t>(0xC0 | channel), static_cast<std::uint8_t>(program)}};
}

MidiEvent MetaEvent(int tick, int type, std::vector<std::uint8_t> data)
{
    std::vector<std::uint8_t> bytes = {0xFF, static_cast<std::uint8_t>(type)};
    PutVariable(bytes, static_cast<std::uint32_t>(data.size()));
    bytes.insert(bytes.end(), data.begin(), data.end());
    return {tick, std::move(bytes)};
}

MidiEvent TrackName(int tick, std::string_view name)
{
    return MetaEvent(tick, 0x03, std::vector<std::uint8_t>(name.begin(), name.end()));
}

std::vector<std::uint8_t> EncodeMidiFile(const std::vector<MidiTrack>& tracks, int ticksPerQuarter, int endTick)
{
    std::vector<std::uint8_t> header;
    PutBig(header, 1, 2);  // several tracks played together
    PutBig(header, static_cast<std::uint32_t>(tracks.size()), 2);
    PutBig(header, static_cast<std::uint32_t>(ticksPerQuarter), 2);
    std::vector<std::uint8_t> file;
    PutChunk(file, "MThd", header);
    for (const MidiTrack& track : tracks) {
        PutChunk(file, "MTrk", TrackBody(track, endTick));
    }
    return file;
}

}  // namespace makedata::tune
