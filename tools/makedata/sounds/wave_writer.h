// Turns synthesised samples into a RIFF WAVE file: 16-bit PCM, mono, with an optional LIST
// chunk of INFO texts between "fmt " and "data".
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "sounds/synth.h"

namespace makedata::sound {

struct InfoText {
    std::string id;  // four letters, such as "INAM" (title) or "ICMT" (comment)
    std::string text;
};

// Samples beyond -1 to 1 are clipped.
std::vector<std::uint8_t> EncodeWave(const Samples& samples, const std::vector<InfoText>& info = {});

}  // namespace makedata::sound
