// The Direct3D 9 device over OpenGL's fixed-function pipeline. It draws into an offscreen
// back buffer; Present scales that into the window, keeping its shape, and paces the game
// to 60 frames a second (frame_pacing.h).
//
// What it keeps of Direct3D 9: row-vector left-handed matrices (loaded into OpenGL as they
// are, with clip depth 0 to 1); pre-transformed (XYZRHW) vertices in back-buffer pixels,
// (0, 0) the centre of the top-left pixel; one to eight directional lights in world space;
// normals not renormalised unless D3DRS_NORMALIZENORMALS; vertex colours as the diffuse
// (and, when asked, ambient or emissive) material while lighting; texture stage 0 with the
// operations and arguments of d3d9.h. Later stages keep their states but do not draw, a
// material colour source of D3DMCS_COLOR2 reads the material, flat shading takes OpenGL's
// last vertex rather than Direct3D's first, and fog is not drawn: the game uses none of these.
#pragma once

#include <array>
#include <memory>
#include <unordered_map>
#include <vector>

#include "d3d9.h"
#include "device_states.h"
#include "frame_pacing.h"
#include "gl_back_buffer.h"
#include "gl_context.h"
#include "gl_resources.h"
#include "resources.h"
#include "vertex_layout.h"

namespace d3d9 {

class GlDevice : public com::RefCounted<IDirect3DDevice9> {
public:
    // Draws into the window of the handle (or a hidden one of its own when no SDL window
    // stands behind it). Null when no OpenGL context can be made or the parameters cannot
    // be met. `software` asks for Mesa's software rasteriser.
    static GlDevice* Create(HWND window, const D3DPRESENT_PARAMETERS& params, bool software);
    ~GlDevice() override;

    HRESULT Clear(DWORD rectCount, const D3DRECT* rects, DWORD flags, D3DCOLOR colour, float z,
                  DWORD stencil) override;
    HRESULT BeginScene() override;
    HRESULT EndScene() override;
    HRESULT Present(const RECT* sourceRect, const RECT* destRect, HWND overrideWindow,
                    const void* dirtyRegion) override;
    HRESULT Reset(D3DPRESENT_PARAMETERS* params) override;

    HRESULT SetTransform(D3DTRANSFORMSTATETYPE state, const D3DMATRIX* matrix) override;
    HRESULT GetTransform(D3DTRANSFORMSTATETYPE state, D3DMATRIX* matrix) override;
    HRESULT SetLight(DWORD index, const D3DLIGHT9* light) override;
    HRESULT LightEnable(DWORD index, BOOL enable) override;
    HRESULT SetMaterial(const D3DMATERIAL9* material) override;
    HRESULT GetMaterial(D3DMATERIAL9* material) override;
    HRESULT SetTexture(DWORD stage, IDirect3DBaseTexture9* texture) override;
    HRESULT GetTexture(DWORD stage, IDirect3DBaseTexture9** texture) override;
    HRESULT SetRenderState(D3DRENDERSTATETYPE state, DWORD value) override;
    HRESULT GetRenderState(D3DRENDERSTATETYPE state, DWORD* value) override;
    HRESULT SetTextureStageState(DWORD stage, D3DTEXTURESTAGESTATETYPE type, DWORD value) override;
    HRESULT GetTextureStageState(DWORD stage, D3DTEXTURESTAGESTATETYPE type, DWORD* value) override;
    HRESULT SetSamplerState(DWORD sampler, D3DSAMPLERSTATETYPE type, DWORD value) override;
    HRESULT GetSamplerState(DWORD sampler, D3DSAMPLERSTATETYPE type, DWORD* value) override;
    HRESULT SetFVF(DWORD fvf) override;
    HRESULT GetFVF(DWORD* fvf) override;

    HRESULT DrawPrimitiveUP(D3DPRIMITIVETYPE type, UINT primitiveCount, const void* vertices,
                            UINT stride) override;

    HRESULT CreateTexture(UINT width, UINT height, UINT levels, DWORD usage, D3DFORMAT format, D3DPOOL pool,
                          IDirect3DTexture9** texture, HANDLE* shared) override;
    HRESULT CreateVertexBuffer(UINT length, DWORD usage, DWORD fvf, D3DPOOL pool, IDirect3DVertexBuffer9** buffer,
                               HANDLE* shared) override;
    HRESULT CreateIndexBuffer(UINT length, DWORD usage, D3DFORMAT format, D3DPOOL pool,
                              IDirect3DIndexBuffer9** buffer, HANDLE* shared) override;
    HRESULT SetStreamSource(UINT stream, IDirect3DVertexBuffer9* buffer, UINT offset, UINT stride) override;
    HRESULT SetIndices(IDirect3DIndexBuffer9* buffer) override;
    HRESULT DrawIndexedPrimitive(D3DPRIMITIVETYPE type, INT baseVertex, UINT minIndex, UINT vertexCount,
                                 UINT startIndex, UINT primitiveCount) override;

    // The back buffer, rows top first, 0xAARRGGBB words (alpha 0xFF). False once the
    // window is gone.
    bool ReadBackBuffer(UINT* width, UINT* height, std::vector<uint32_t>* pixels);

private:
    // Groups of OpenGL state that a draw brings up to date when they have changed.
    enum Dirty : uint32_t {
        kDirtyBlend = 1u << 0,
        kDirtyDepth = 1u << 1,
        kDirtyRaster = 1u << 2,
        kDirtyAlphaTest = 1u << 3,
        kDirtyLights = 1u << 4,
        kDirtyMaterial = 1u << 5,
        kDirtyTransforms = 1u << 6,
        kDirtyStage = 1u << 7,
        kDirtyEverything = ~0u,
    };

    explicit GlDevice(std::shared_ptr<GlContext> context);
    // Back buffer, screen mode and presentation; on failure nothing has changed.
    bool ApplyPresentParameters(const D3DPRESENT_PARAMETERS& params);
    void SetUpPipeline();
    bool Current() { return context_->MakeCurrent(); }
    const GlFunctions& Gl() const { return context_->Gl(); }
    // Swaps the window's buffers and waits as the frame pacing asks.
    void SwapAndPace(SDL_Window* window);
    // Sleeps until the frame pacer lets the next frame go.
    void Wait(bool vsync);

    // gl_pipeline.cpp: the Direct3D states as OpenGL state, before each draw.
    // vertexAlphaOne: the draw's vertices, if they have colours, all hold alpha 1.
    void ApplyStates(const VertexLayout& layout, bool vertexAlphaOne);
    // The whole depth buffer's clear that Clear left for the first draw that tests depth.
    void ClearPendingDepth();
    // What alpha every fragment of a draw leaves the texture stage with.
    enum class DrawAlpha { kOne, kZeroOrOne, kAny };
    DrawAlpha AlphaOfDraw(const VertexLayout& layout, bool vertexAlphaOne, const GlTextureCopy* texture) const;
    // How the blend is carried out: as asked, or as a plain write of the source where it
    // comes to that exactly, with the fragments of alpha 0 dropped where those would leave
    // the target as it is.
    enum class BlendWay { kBlend, kWrite, kWriteShown };
    BlendWay WayToBlend(DrawAlpha alpha) const;
    void ApplyBlend(BlendWay way);
    // glEnable or glDisable, called only when the capability changes.
    void Enable(GLenum capability, bool on);
    void ApplyDepth();
    void ApplyRaster();
    void ApplyAlphaTest(bool dropClear);
    void ApplyLights();
    void ApplyMaterial();
    void ApplyLighting(const VertexLayout& layout);
    void ApplyTransforms(bool pretransformed);
    void ApplyTextureStage();
    // The bound texture's copy; null when the stage draws without one.
    const GlTextureCopy* ApplyTexture();

    // gl_draw.cpp: vertex arrays. `base` is a pointer into memory, or an offset into the
    // bound vertex buffer; `positions` replaces the vertices' own positions when not null.
    void PointArrays(uintptr_t base, UINT stride, const VertexLayout& layout, const float* positions);
    // Pre-transformed positions as OpenGL needs them: (x, y, z, 1) / rhw.
    const float* PretransformedPositions(const uint8_t* vertices, UINT stride, UINT count);

    std::shared_ptr<GlContext> context_;
    GlBackBuffer backBuffer_;
    D3DPRESENT_PARAMETERS params_ = {};
    FramePacer pacer_;
    int swapInterval_ = -1;
    bool vsyncActive_ = false;  // the driver accepted a swap interval of 1
    bool inScene_ = false;
    bool windowRefused_ = false;  // the window fits the back buffer but cannot stand for it

    RenderStates renderStates_ = {};
    StageStates stageStates_ = {};
    SamplerStates samplerStates_ = {};
    D3DMATRIX world_ = {};
    D3DMATRIX view_ = {};
    D3DMATRIX projection_ = {};
    std::array<D3DMATRIX, kTextureStages> textureMatrices_ = {};
    std::array<D3DLIGHT9, kLights> lights_ = {};
    std::array<bool, kLights> lightEnabled_ = {};
    D3DMATERIAL9 material_ = {};
    std::array<MemoryTexture*, kTextureStages> textures_ = {};  // each holds a reference
    DWORD fvf_ = 0;
    MemoryVertexBuffer* stream_ = nullptr;  // holds a reference
    UINT streamOffset_ = 0;
    UINT streamStride_ = 0;
    MemoryIndexBuffer* indices_ = nullptr;  // holds a reference

    uint32_t dirty_ = kDirtyEverything;
    bool depthClearPending_ = false;
    float pendingDepth_ = 1.0f;
    bool droppingClear_ = false;  // OpenGL's alpha test drops alpha 0 for a written blend
    bool pixelMatrices_ = false;  // OpenGL holds the matrices of pre-transformed vertices
    bool colourMaterialUsed_ = false;
    bool separateSpecular_ = false;  // OpenGL adds the specular colour after texturing
    std::vector<float> positions_;
    // As last given to OpenGL.
    std::unordered_map<GLenum, bool> enabled_;
    using LightValues = std::array<GLfloat, 17>;  // diffuse, specular, ambient, direction, on
    std::array<LightValues, kLights> appliedLights_ = {};
    bool lightsApplied_ = false;
    D3DMATERIAL9 appliedMaterial_ = {};
    DWORD appliedAmbient_ = 0;
    bool appliedSpecular_ = false;
    bool materialApplied_ = false;
};

}  // namespace d3d9
