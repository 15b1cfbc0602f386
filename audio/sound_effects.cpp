// Placeholder until the WAV reader lands: every effect is silent.
#include "audio/sound_effects.h"

IDirectSoundBuffer* LoadWaveBuffer(const char*) { return nullptr; }

void PlaySoundEffect(IDirectSoundBuffer*) {}
