// The seven sound effects: WAV files read once into DirectSound buffers, restarted on demand.
#pragma once

#include "dsound.h"

// A buffer filled with the file's samples, or null when anything fails (no message).
IDirectSoundBuffer* LoadWaveBuffer(const char* fileName);
// Restarts a playing effect from its beginning; starts a stopped one. Null is silent.
void PlaySoundEffect(IDirectSoundBuffer* buffer);
