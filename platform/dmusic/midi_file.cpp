// The MIDI file check: header, track chunks and every event walked within its track.
#include "midi_file.h"

namespace dmusic {

namespace {

class Reader {
public:
    Reader(const uint8_t* data, size_t size) : at_(data), end_(data + size) {}

    bool Has(size_t count) const { return size_t(end_ - at_) >= count; }
    bool AtEnd() const { return at_ == end_; }
    bool Byte(uint8_t& value)
    {
        if (!Has(1)) return false;
        value = *at_++;
        return true;
    }
    bool Skip(size_t count)
    {
        if (!Has(count)) return false;
        at_ += count;
        return true;
    }
    bool BigEndian(size_t bytes, uint32_t& value)
    {
        if (!Has(bytes)) return false;
        value = 0;
        for (size_t i = 0; i < bytes; ++i) value = value << 8 | *at_++;
        return true;
    }
    bool Tag(const char (&tag)[5])
    {
        if (!Has(4) || at_[0] != tag[0] || at_[1] != tag[1] || at_[2] != tag[2] || at_[3] != tag[3]) return false;
        at_ += 4;
        return true;
    }
    // A variable-length quantity: at most four bytes of seven bits each.
    bool VariableLength(uint32_t& value)
    {
        value = 0;
        for (int i = 0; i < 4; ++i) {
            uint8_t byte = 0;
            if (!Byte(byte)) return false;
            value = value << 7 | (byte & 0x7F);
            if (!(byte & 0x80)) return true;
        }
        return false;
    }
    const uint8_t* Here() const { return at_; }

private:
    const uint8_t* at_;
    const uint8_t* end_;
};

bool DataBytes(Reader& track, int count)
{
    for (int i = 0; i < count; ++i) {
        uint8_t byte = 0;
        if (!track.Byte(byte) || (byte & 0x80)) return false;
    }
    return true;
}

bool IsValidTrack(Reader track)
{
    uint8_t runningStatus = 0;
    while (!track.AtEnd()) {
        uint32_t delta = 0;
        uint8_t status = 0;
        if (!track.VariableLength(delta) || !track.Byte(status)) return false;
        if (status < 0x80) {
            // Running status: the byte just read is the first data byte.
            if (runningStatus == 0) return false;
            const int dataCount = (runningStatus & 0xE0) == 0xC0 ? 0 : 1;
            if (!DataBytes(track, dataCount)) return false;
            continue;
        }
        if (status < 0xF0) {
            runningStatus = status;
            if (!DataBytes(track, (status & 0xE0) == 0xC0 ? 1 : 2)) return false;
            continue;
        }
        // System exclusive and meta events cancel running status: the player would read
        // a data byte after one as part of another such event.
        runningStatus = 0;
        uint32_t length = 0;
        if (status == 0xFF) {
            uint8_t type = 0;
            if (!track.Byte(type) || (type & 0x80) || !track.VariableLength(length) || !track.Skip(length))
                return false;
            if (type == 0x2F) return true;  // end of track: what follows is never played
        } else if (status == 0xF0 || status == 0xF7) {
            if (!track.VariableLength(length) || !track.Skip(length)) return false;
        } else {
            return false;  // real-time and common messages have no place in a file
        }
    }
    return true;
}

}  // namespace

bool IsPlayableMidiFile(const uint8_t* data, size_t size)
{
    if (!data) return false;
    Reader file(data, size);
    uint32_t headerLength = 0, format = 0, tracks = 0, division = 0;
    if (!file.Tag("MThd") || !file.BigEndian(4, headerLength) || headerLength != 6) return false;
    if (!file.BigEndian(2, format) || !file.BigEndian(2, tracks) || !file.BigEndian(2, division)) return false;
    if (format > 2 || tracks == 0 || (format == 0 && tracks != 1)) return false;
    // Time code divisions (top bit set) are not played; zero ticks per beat is no tempo.
    if ((division & 0x8000) || division == 0) return false;
    for (uint32_t i = 0; i < tracks; ++i) {
        uint32_t length = 0;
        if (!file.Tag("MTrk") || !file.BigEndian(4, length) || !file.Has(length)) return false;
        if (!IsValidTrack(Reader(file.Here(), length))) return false;
        file.Skip(length);
    }
    return true;
}

}  // namespace dmusic
