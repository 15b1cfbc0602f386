// The sprite: each Draw is one quad of pre-transformed vertices in back-buffer pixels,
// drawn through the device at once, so the blend factors the device holds at that moment
// apply (the head-up display changes them between draws). Begin sets the states a flat,
// unlit picture needs and End gives the old ones back.
#include <cmath>
#include <vector>

#include "d3dx9core.h"
#include "resources.h"
#include "sprite_factory.h"

namespace d3dx9 {

namespace {

SpriteFactory& Factory()
{
    static SpriteFactory factory;
    return factory;
}

struct SpriteVertex {
    float x, y, z, rhw;
    D3DCOLOR colour;
    float u, v;
};
constexpr DWORD kSpriteFvf = D3DFVF_XYZRHW | D3DFVF_DIFFUSE | D3DFVF_TEX1;

struct RenderSetting {
    D3DRENDERSTATETYPE state;
    DWORD value;
};
const RenderSetting kRenderSettings[] = {
    {D3DRS_LIGHTING, FALSE},
    {D3DRS_ZENABLE, D3DZB_FALSE},
    {D3DRS_CULLMODE, D3DCULL_NONE},
};

struct StageSetting {
    D3DTEXTURESTAGESTATETYPE type;
    DWORD value;
};
// Texels times the draw's colour, in colour and in alpha.
const StageSetting kStageSettings[] = {
    {D3DTSS_COLOROP, D3DTOP_MODULATE}, {D3DTSS_COLORARG1, D3DTA_TEXTURE}, {D3DTSS_COLORARG2, D3DTA_DIFFUSE},
    {D3DTSS_ALPHAOP, D3DTOP_MODULATE}, {D3DTSS_ALPHAARG1, D3DTA_TEXTURE}, {D3DTSS_ALPHAARG2, D3DTA_DIFFUSE},
    {D3DTSS_TEXCOORDINDEX, 0},
};

struct SamplerSetting {
    D3DSAMPLERSTATETYPE type;
    DWORD value;
};
// The filters are chosen again at every draw.
const SamplerSetting kSamplerSettings[] = {
    {D3DSAMP_ADDRESSU, D3DTADDRESS_CLAMP},
    {D3DSAMP_ADDRESSV, D3DTADDRESS_CLAMP},
    {D3DSAMP_MINFILTER, D3DTEXF_POINT},
    {D3DSAMP_MAGFILTER, D3DTEXF_POINT},
};

constexpr size_t kRenderCount = std::size(kRenderSettings);
constexpr size_t kStageCount = std::size(kStageSettings);
constexpr size_t kSamplerCount = std::size(kSamplerSettings);

class Sprite : public com::RefCounted<ID3DXSprite> {
public:
    explicit Sprite(IDirect3DDevice9* device) : device_(device) { device_->AddRef(); }
    ~Sprite() override
    {
        if (drawing_) End();
        device_->Release();
    }

    HRESULT Begin() override
    {
        if (drawing_) return D3DERR_INVALIDCALL;
        if (!SaveStates()) return D3DERR_INVALIDCALL;
        for (const auto& setting : kRenderSettings) device_->SetRenderState(setting.state, setting.value);
        for (const auto& setting : kStageSettings) device_->SetTextureStageState(0, setting.type, setting.value);
        for (const auto& setting : kSamplerSettings) device_->SetSamplerState(0, setting.type, setting.value);
        device_->SetFVF(kSpriteFvf);
        drawing_ = true;
        return D3D_OK;
    }

    HRESULT Draw(IDirect3DTexture9* texture, const RECT* source, const D3DXVECTOR2* scaling,
                 const D3DXVECTOR2* rotationCentre, float rotation, const D3DXVECTOR2* translation,
                 D3DCOLOR colour) override
    {
        D3DSURFACE_DESC desc = {};
        if (!drawing_ || !texture || FAILED(texture->GetLevelDesc(0, &desc)) || desc.Width == 0 || desc.Height == 0)
            return D3DERR_INVALIDCALL;
        const RECT cell = source ? *source : RECT{0, 0, LONG(desc.Width), LONG(desc.Height)};
        if (cell.right <= cell.left || cell.bottom <= cell.top) return D3D_OK;  // an empty cell shows nothing
        const D3DXVECTOR2 scale = scaling ? *scaling : D3DXVECTOR2(1.0f, 1.0f);
        const D3DXVECTOR2 centre = rotationCentre ? *rotationCentre : D3DXVECTOR2(0.0f, 0.0f);
        const D3DXVECTOR2 position = translation ? *translation : D3DXVECTOR2(0.0f, 0.0f);

        // A cell drawn at its own size lands texel on pixel: sample the nearest texel. A
        // scaled or turned one is filtered, with its texture coordinates pulled in by half
        // a texel so that the filter never reaches the neighbouring cells of the sheet.
        const bool exact = rotation == 0.0f && scale.x == 1.0f && scale.y == 1.0f;
        // A cell placed half a pixel off puts pixel centres on the borders between texels;
        // the mapping moves on by a sliver of a texel so that every pixel takes the texel
        // after the border however the rasteriser rounds (it rounds differently drawing
        // into a window and into an offscreen buffer).
        const float texelU = 1.0f / float(desc.Width), texelV = 1.0f / float(desc.Height);
        const float inset = exact ? 0.0f : 0.5f, nudge = exact ? 1.0f / 1024.0f : 0.0f;
        const float u0 = (float(cell.left) + inset + nudge) * texelU, u1 = (float(cell.right) - inset + nudge) * texelU;
        const float v0 = (float(cell.top) + inset + nudge) * texelV, v1 = (float(cell.bottom) - inset + nudge) * texelV;

        const float cosine = std::cos(rotation), sine = std::sin(rotation);
        // A vertex at (x, y) texels from the cell's top-left corner.
        const auto vertex = [&](float x, float y, float u, float v) {
            x = x * scale.x - centre.x;
            y = y * scale.y - centre.y;
            // Pixel centres lie on whole numbers: the quad's edges go half a pixel before them.
            return SpriteVertex{x * cosine - y * sine + centre.x + position.x - 0.5f,
                                x * sine + y * cosine + centre.y + position.y - 0.5f,
                                0.0f,
                                1.0f,
                                colour,
                                u,
                                v};
        };
        const DWORD filter = exact ? D3DTEXF_POINT : D3DTEXF_LINEAR;
        device_->SetSamplerState(0, D3DSAMP_MINFILTER, filter);
        device_->SetSamplerState(0, D3DSAMP_MAGFILTER, filter);
        const HRESULT bound = device_->SetTexture(0, texture);
        if (FAILED(bound)) return bound;

        const std::vector<RECT>* runs = exact && ClearIsNoOp() ? VisibleRuns(texture, cell) : nullptr;
        if (runs) {
            // Only the parts that show, texel on pixel.
            if (runs->empty()) return D3D_OK;
            quads_.clear();
            for (const RECT& run : *runs) {
                const float left = float(run.left), top = float(run.top), right = float(run.right),
                            bottom = float(run.bottom);
                const float ul = (float(cell.left + run.left) + nudge) * texelU,
                            ur = (float(cell.left + run.right) + nudge) * texelU;
                const float vt = (float(cell.top + run.top) + nudge) * texelV,
                            vb = (float(cell.top + run.bottom) + nudge) * texelV;
                const SpriteVertex topLeft = vertex(left, top, ul, vt), bottomRight = vertex(right, bottom, ur, vb);
                quads_.insert(quads_.end(), {topLeft, vertex(right, top, ur, vt), bottomRight, topLeft, bottomRight,
                                             vertex(left, bottom, ul, vb)});
            }
            return device_->DrawPrimitiveUP(D3DPT_TRIANGLELIST, UINT(quads_.size() / 3), quads_.data(),
                                            sizeof(SpriteVertex));
        }
        const float width = float(cell.right - cell.left), height = float(cell.bottom - cell.top);
        const SpriteVertex quad[4] = {vertex(0.0f, 0.0f, u0, v0), vertex(width, 0.0f, u1, v0),
                                      vertex(width, height, u1, v1), vertex(0.0f, height, u0, v1)};
        return device_->DrawPrimitiveUP(D3DPT_TRIANGLEFAN, 2, quad, sizeof(SpriteVertex));
    }

    HRESULT End() override
    {
        if (!drawing_) return D3DERR_INVALIDCALL;
        for (size_t i = 0; i < kRenderCount; ++i) device_->SetRenderState(kRenderSettings[i].state, savedRender_[i]);
        for (size_t i = 0; i < kStageCount; ++i) device_->SetTextureStageState(0, kStageSettings[i].type, savedStage_[i]);
        for (size_t i = 0; i < kSamplerCount; ++i)
            device_->SetSamplerState(0, kSamplerSettings[i].type, savedSampler_[i]);
        device_->SetFVF(savedFvf_);
        device_->SetTexture(0, savedTexture_);
        if (savedTexture_) savedTexture_->Release();
        savedTexture_ = nullptr;
        drawing_ = false;
        return D3D_OK;
    }

private:
    // Whether transparent black, which the colour key leaves where a sheet is empty,
    // leaves the target as it is under the device's blend: it adds nothing and the target
    // is kept whole. The back buffer has no alpha channel, so its alpha reads one.
    bool ClearIsNoOp() const
    {
        DWORD blending = FALSE, op = 0, dest = 0;
        if (FAILED(device_->GetRenderState(D3DRS_ALPHABLENDENABLE, &blending)) ||
            FAILED(device_->GetRenderState(D3DRS_BLENDOP, &op)) ||
            FAILED(device_->GetRenderState(D3DRS_DESTBLEND, &dest)))
            return false;
        constexpr DWORD kAdd = 1;
        return blending && op == kAdd &&
               (dest == D3DBLEND_ONE || dest == D3DBLEND_INVSRCALPHA || dest == D3DBLEND_INVSRCCOLOR ||
                dest == D3DBLEND_DESTALPHA);
    }

    // The parts of the cell that show, where the texture can tell them.
    static const std::vector<RECT>* VisibleRuns(IDirect3DTexture9* texture, const RECT& cell)
    {
        auto* memory = dynamic_cast<d3d9::MemoryTexture*>(texture);
        return memory ? memory->VisibleRuns(cell) : nullptr;
    }

    // False, with nothing held, when the device cannot tell one of them.
    bool SaveStates()
    {
        bool saved = SUCCEEDED(device_->GetFVF(&savedFvf_));
        for (size_t i = 0; saved && i < kRenderCount; ++i)
            saved = SUCCEEDED(device_->GetRenderState(kRenderSettings[i].state, &savedRender_[i]));
        for (size_t i = 0; saved && i < kStageCount; ++i)
            saved = SUCCEEDED(device_->GetTextureStageState(0, kStageSettings[i].type, &savedStage_[i]));
        for (size_t i = 0; saved && i < kSamplerCount; ++i)
            saved = SUCCEEDED(device_->GetSamplerState(0, kSamplerSettings[i].type, &savedSampler_[i]));
        savedTexture_ = nullptr;
        return saved && SUCCEEDED(device_->GetTexture(0, &savedTexture_));
    }

    IDirect3DDevice9* device_;  // counted: the game releases its sprite after its device
    bool drawing_ = false;
    DWORD savedRender_[kRenderCount] = {};
    DWORD savedStage_[kStageCount] = {};
    DWORD savedSampler_[kSamplerCount] = {};
    DWORD savedFvf_ = 0;
    IDirect3DBaseTexture9* savedTexture_ = nullptr;
    std::vector<SpriteVertex> quads_;
};

}  // namespace

void SetSpriteFactory(SpriteFactory factory) { Factory() = std::move(factory); }

}  // namespace d3dx9

HRESULT WINAPI D3DXCreateSprite(IDirect3DDevice9* device, ID3DXSprite** sprite)
{
    if (!sprite) return D3DERR_INVALIDCALL;
    *sprite = nullptr;
    if (d3dx9::Factory()) return d3dx9::Factory()(device, sprite);
    if (!device) return D3DERR_INVALIDCALL;
    *sprite = new d3dx9::Sprite(device);
    return D3D_OK;
}
