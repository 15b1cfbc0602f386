// The sprite stand-in: Begin, Draw and End recorded with every argument; Begin fails in
// scripted frames (frames as the device counts them: Present calls so far).
#pragma once

#include <initializer_list>

namespace fake {

// Scripts, forgotten by Install.
void FailSpriteCreate();
void FailSpriteBegin(std::initializer_list<int> frames);

}  // namespace fake
