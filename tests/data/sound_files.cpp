// Minimal RIFF and MIDI readers for the sound tests.
#include "sound_files.h"

#include <fstream>
#include <iterator>
#include <map>
#include <stdexcept>
#include <utility>

namespace soundtest {

namespace {

class Cursor {
public:
    Cursor(const std::vector<std::uint8_t>& bytes, std::size_t begin, std::size_t end)
        : bytes_(bytes), at_(begin), end_(end)
    {
        if (end > bytes.size()) {
            throw std::runtime_error("chunk runs past the end of the file");
        }
    }
    bool Done() const { return at_ >= end_; }
    std::size_t At() const { return at_; }
    std::uint8_t Byte()
    {
        if (at_ >= end_) {
            throw std::runtime_error("truncated");
        }
        return bytes_[at_++];
    }
    std::uint32_t Little(int count)
    {
        std::uint32_t value = 0;
        for (int i = 0; i < count; ++i) {
            value |= static_cast<std::uint32_t>(Byte()) << (8 * i);
        }
        return value;
    }
    std::uint32_t Big(int count)
    {
        std::uint32_t value = 0;
        for (int i = 0; i < count; ++i) {
            value = value << 8 | Byte();
        }
        return value;
    }
    std::uint32_t Variable()
    {
        std::uint32_t value = 0;
        for (int i = 0; i < 4; ++i) {
            const std::uint8_t b = Byte();
            value = value << 7 | (b & 0x7F);
            if ((b & 0x80) == 0) {
                return value;
            }
        }
        throw std::runtime_error("variable-length number too long");
    }
    std::string Tag() { return {static_cast<char>(Byte()), static_cast<char>(Byte()), static_cast<char>(Byte()), static_cast<char>(Byte())}; }
    void Skip(std::size_t count)
    {
        if (count > end_ - at_) {
            throw std::runtime_error("truncated");
        }
        at_ += count;
    }

private:
    const std::vector<std::uint8_t>& bytes_;
    std::size_t at_;
    std::size_t end_;
};

}  // namespace

std::vector<std::uint8_t> ReadBytes(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        throw std::runtime_error("cannot open " + file.string());
    }
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::string> RiffChunkIds(const std::vector<std::uint8_t>& bytes)
{
    Cursor file(bytes, 0, bytes.size());
    if (file.Tag() != "RIFF") {
        throw std::runtime_error("not RIFF");
    }
    const std::size_t riffEnd = 8 + static_cast<std::size_t>(file.Little(4));
    file.Skip(4);  // the form type
    Cursor riff(bytes, file.At(), riffEnd);
    std::vector<std::string> ids;
    while (!riff.Done()) {
        ids.push_back(riff.Tag());
        const std::size_t size = riff.Little(4);
        riff.Skip(size + size % 2);
    }
    return ids;
}

MidiFile ParseMidi(const std::vector<std::uint8_t>& bytes)
{
    Cursor file(bytes, 0, bytes.size());
    if (file.Tag() != "MThd" || file.Big(4) != 6) {
        throw std::runtime_error("no MIDI header");
    }
    MidiFile midi;
    midi.format = static_cast<int>(file.Big(2));
    const int tracks = static_cast<int>(file.Big(2));
    midi.division = static_cast<int>(file.Big(2));
    for (int t = 0; t < tracks; ++t) {
        if (file.Tag() != "MTrk") {
            throw std::runtime_error("missing track");
        }
        const std::size_t size = file.Big(4);
        Cursor track(bytes, file.At(), file.At() + size);
        file.Skip(size);
        std::map<std::pair<int, int>, int> sounding;  // (channel, key) -> note-on tick
        int tick = 0;
        int ended = -1;
        while (!track.Done() && ended < 0) {
            tick += static_cast<int>(track.Variable());
            const std::uint8_t status = track.Byte();
            if (status == 0xFF) {
                const int type = track.Byte();
                const std::uint32_t length = track.Variable();
                if (type == 0x51 && length == 3) {
                    const int tempo = static_cast<int>(track.Big(3));
                    if (midi.tempoChanges++ == 0) {
                        midi.microsecondsPerQuarter = tempo;
                    }
                    continue;
                }
                track.Skip(length);
                if (type == 0x2F) {
                    ended = tick;
                }
                continue;
            }
            if (status < 0x80 || status >= 0xF0) {
                throw std::runtime_error("unexpected status byte (the writer never uses running status)");
            }
            const int channel = status & 0x0F;
            const int kind = status & 0xF0;
            const int first = track.Byte();
            const int second = kind == 0xC0 || kind == 0xD0 ? 0 : track.Byte();
            if (kind == 0xC0) {
                midi.programs.push_back(channel * 128 + first);
            } else if (kind == 0x90 && second > 0) {
                if (sounding.count({channel, first})) {
                    ++midi.unfinishedNotes;  // struck again before its note-off
                }
                sounding[{channel, first}] = tick;
            } else if (kind == 0x80 || kind == 0x90) {
                const auto note = sounding.find({channel, first});
                if (note != sounding.end()) {
                    midi.notes.push_back({channel, first, note->second, tick});
                    sounding.erase(note);
                }
            }
        }
        if (ended < 0) {
            throw std::runtime_error("track without end-of-track");
        }
        midi.trackEnds.push_back(ended);
        midi.unfinishedNotes += static_cast<int>(sounding.size());
    }
    return midi;
}

}  // namespace soundtest
