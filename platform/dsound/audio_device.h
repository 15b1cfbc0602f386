// The process's one audio output: an SDL audio device whose callback renders the mixer.
// DirectSound and DirectMusic share it; it opens with the first user and closes with
// the last.
#pragma once

#include <memory>

#include "mixer.h"

namespace dsound {

constexpr int kDeviceRate = 44100;  // frames per second of the mix; SDL converts to the card's

// The device's mixer, opening the device when nothing holds it yet; null when no audio
// device opens, not even SDL's dummy driver.
std::shared_ptr<Mixer> AcquireDeviceMixer();

}  // namespace dsound
