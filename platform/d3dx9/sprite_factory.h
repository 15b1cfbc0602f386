// Which sprite D3DXCreateSprite makes: the real one, drawn through the device, or a
// recording stand-in installed by the tests.
#pragma once

#include <functional>

#include "d3dx9core.h"

namespace d3dx9 {

using SpriteFactory = std::function<HRESULT(IDirect3DDevice9* device, ID3DXSprite** sprite)>;
// An empty factory restores the real sprite.
void SetSpriteFactory(SpriteFactory factory);

}  // namespace d3dx9
