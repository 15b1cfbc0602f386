// Until the sprite lands: only a sprite from the installed factory (the tests' stand-in).
#include "d3dx9.h"
#include "sprite_factory.h"

namespace d3dx9 {

namespace {
SpriteFactory& Factory()
{
    static SpriteFactory factory;
    return factory;
}
}  // namespace

void SetSpriteFactory(SpriteFactory factory) { Factory() = std::move(factory); }

}  // namespace d3dx9

HRESULT WINAPI D3DXCreateSprite(IDirect3DDevice9* device, ID3DXSprite** sprite)
{
    if (d3dx9::Factory()) return d3dx9::Factory()(device, sprite);
    if (sprite) *sprite = nullptr;
    return E_NOTIMPL;
}
