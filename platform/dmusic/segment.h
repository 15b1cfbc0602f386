// A segment: the bytes of one checked MIDI file and how often it repeats.
#pragma once

#include <cstdint>
#include <vector>

#include "dmusici.h"

namespace dmusic {

class Segment : public com::RefCounted<IDirectMusicSegment8> {
public:
    // Made empty by CoCreateInstance, or with a tune by the loader.
    explicit Segment(std::vector<uint8_t> midi = {}) : midi_(std::move(midi)) {}

    // Repeats after the first play; DMUS_SEG_REPEAT_INFINITE loops without end.
    HRESULT SetRepeats(DWORD repeats) override
    {
        repeats_ = repeats;
        return S_OK;
    }
    HRESULT Download(IUnknown* audioPath) override;
    HRESULT Unload(IUnknown* audioPath) override;

    const std::vector<uint8_t>& Midi() const { return midi_; }
    DWORD Repeats() const { return repeats_; }

private:
    const std::vector<uint8_t> midi_;
    DWORD repeats_ = 0;
};

}  // namespace dmusic
