// The Standard MIDI File check made before a file reaches the synthesiser's player, so a
// truncated or malformed tune fails to load instead of playing garbage or worse.
#pragma once

#include <cstddef>
#include <cstdint>

namespace dmusic {

// True for a Standard MIDI File of format 0, 1 or 2 with ticks per quarter note, whose
// track chunks and events all lie inside the data. Format 2 loads too; its tracks then
// sound together, as the player knows no other way.
bool IsPlayableMidiFile(const uint8_t* data, size_t size);

}  // namespace dmusic
