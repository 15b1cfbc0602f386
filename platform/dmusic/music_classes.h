// Our DirectMusic classes (loader, performance, segment) behind CoCreateInstance.
#pragma once

#include <string>

#include "performance.h"

namespace dmusic {

// Debian's General MIDI SoundFont (package timgm6mb-soundfont).
inline constexpr char kSoundFontPath[] = "/usr/share/sounds/sf2/TimGM6mb.sf2";

// Performances made from now on play into the mixers the source gives, with that SoundFont.
void RegisterClasses(MixerSource mixers, std::string soundFontPath);

}  // namespace dmusic
