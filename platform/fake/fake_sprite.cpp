// The sprite stand-in and its install.
#include "fake_sprite.h"

#include <set>

#include "call_log.h"
#include "fake_d3d9_state.h"
#include "sprite_factory.h"

namespace fake {

namespace {

struct SpriteScript {
    bool failCreate = false;
    std::set<int> failedBegins;
};

SpriteScript& TheScript()
{
    static SpriteScript script;
    return script;
}

Label Vector(const D3DXVECTOR2* v) { return v ? Fields(v->x, v->y) : Label{"null"}; }
Label Rect(const RECT* r) { return r ? Fields(r->left, r->top, r->right, r->bottom) : Label{"null"}; }

class FakeSprite : public com::RefCounted<ID3DXSprite> {
public:
    FakeSprite() { ++d3d::TheLive().sprites; }
    ~FakeSprite() override { --d3d::TheLive().sprites; }

    ULONG Release() override
    {
        Record(Call("Sprite.Release"));
        return RefCounted::Release();
    }

    HRESULT Begin() override
    {
        Record(Call("Sprite.Begin"));
        return TheScript().failedBegins.count(Frame()) ? E_FAIL : S_OK;
    }

    HRESULT Draw(IDirect3DTexture9* texture, const RECT* source, const D3DXVECTOR2* scaling,
                 const D3DXVECTOR2* rotationCentre, float rotation, const D3DXVECTOR2* translation,
                 D3DCOLOR colour) override
    {
        Record(Call("Sprite.Draw", Label{TextureLabel(texture)}, Rect(source), Vector(scaling), Vector(rotationCentre),
                    rotation, Vector(translation), Hex{colour}));
        return texture ? S_OK : D3DERR_INVALIDCALL;
    }

    HRESULT End() override
    {
        Record(Call("Sprite.End"));
        return S_OK;
    }
};

HRESULT CreateSprite(IDirect3DDevice9* device, ID3DXSprite** sprite)
{
    Record(Call("D3DXCreateSprite", device));
    if (!sprite) return D3DERR_INVALIDCALL;
    *sprite = nullptr;
    if (!device || TheScript().failCreate) return E_FAIL;
    *sprite = new FakeSprite;
    return S_OK;
}

}  // namespace

void InstallSprite()
{
    TheScript() = {};
    d3dx9::SetSpriteFactory(CreateSprite);
}

void UninstallSprite() { d3dx9::SetSpriteFactory({}); }

void FailSpriteCreate() { TheScript().failCreate = true; }
void FailSpriteBegin(std::initializer_list<int> frames) { TheScript().failedBegins.insert(frames); }

}  // namespace fake
