// The sprite stand-in: Begin, Draw and End recorded with every argument; Begin fails in
// scripted frames (frames as the device counts them: Present calls so far).
#pragma once

#include <initializer_list>

namespace fake {

// The sprite stand-in behind D3DXCreateSprite, with empty scripts; and the real sprite again.
void InstallSprite();
void UninstallSprite();

// Scripts, forgotten by Install.
void FailSpriteCreate();
void FailSpriteBegin(std::initializer_list<int> frames);

}  // namespace fake
