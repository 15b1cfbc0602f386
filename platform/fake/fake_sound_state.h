// What the sound and music stand-ins share: their scripts and label counters.
#pragma once

#include "fake_sound.h"

namespace fake {

struct SoundState {
    SoundScript sound;
    MusicScript music;
    int secondaryBuffers = 0;  // secondary CreateSoundBuffer calls so far
    int loaders = 0;
    int performances = 0;
    int segments = 0;
};
SoundState& TheSoundState();

}  // namespace fake
