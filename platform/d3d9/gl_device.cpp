// The device's life: creation, presentation parameters and reset, clears, scenes,
// presents, resource creation and the back-buffer read for screenshots.
#include "gl_device.h"

#include <SDL.h>

#include <algorithm>
#include <thread>

#include "heap_trim.h"
#include "run_report.h"

namespace d3d9 {

namespace {

bool ValidPresentParameters(const D3DPRESENT_PARAMETERS& params)
{
    switch (params.BackBufferFormat) {
    case D3DFMT_UNKNOWN:  // the desktop's format, in a window only
        if (!params.Windowed) return false;
        break;
    case D3DFMT_X8R8G8B8:
    case D3DFMT_A8R8G8B8:
    case D3DFMT_R5G6B5:
    case D3DFMT_X1R5G5B5:
    case D3DFMT_A1R5G5B5:
        break;
    default:
        return false;
    }
    // A size of 0 takes the window's, in a window only.
    if (!params.Windowed && (params.BackBufferWidth == 0 || params.BackBufferHeight == 0)) return false;
    if (params.BackBufferWidth > kMaxTextureSide || params.BackBufferHeight > kMaxTextureSide) return false;
    if (params.MultiSampleType != D3DMULTISAMPLE_NONE) return false;
    if (params.SwapEffect < D3DSWAPEFFECT_DISCARD || params.SwapEffect > D3DSWAPEFFECT_COPY) return false;
    if (params.EnableAutoDepthStencil && params.AutoDepthStencilFormat != D3DFMT_D16 &&
        params.AutoDepthStencilFormat != D3DFMT_D24S8)
        return false;
    return true;
}

bool DisplayRunsAt60(SDL_Window* window)
{
    const int display = SDL_GetWindowDisplayIndex(window);
    SDL_DisplayMode mode = {};
    if (display < 0 || SDL_GetCurrentDisplayMode(display, &mode) != 0) return false;
    return mode.refresh_rate >= 59 && mode.refresh_rate <= 61;
}

// A window whose drawable is the back buffer's size takes the picture as it is: the game
// draws straight into it.
bool WindowFits(SDL_Window* window, int width, int height)
{
    int drawableWidth = 0, drawableHeight = 0;
    SDL_GL_GetDrawableSize(window, &drawableWidth, &drawableHeight);
    return drawableWidth == width && drawableHeight == height;
}

D3DMATRIX Identity()
{
    D3DMATRIX matrix = {};
    matrix._11 = matrix._22 = matrix._33 = matrix._44 = 1.0f;
    return matrix;
}

template <class Resource>
void Drop(Resource*& resource)
{
    if (resource) resource->Release();
    resource = nullptr;
}

}  // namespace

GlDevice* GlDevice::Create(HWND window, const D3DPRESENT_PARAMETERS& params, bool software)
{
    if (!ValidPresentParameters(params)) return nullptr;
    auto context = GlContext::Create(window, software);
    if (!context) return nullptr;
    auto* device = new GlDevice(std::move(context));
    if (!device->ApplyPresentParameters(params)) {
        device->Release();
        return nullptr;
    }
    device->renderStates_ = DefaultRenderStates(params.EnableAutoDepthStencil);
    device->SetUpPipeline();
    return device;
}

GlDevice::GlDevice(std::shared_ptr<GlContext> context)
    : context_(std::move(context)), stageStates_(DefaultStageStates()), samplerStates_(DefaultSamplerStates()),
      world_(Identity()), view_(Identity()), projection_(Identity())
{
    textureMatrices_.fill(Identity());
    lights_.fill(DefaultLight());
    params_.Windowed = TRUE;  // until parameters are applied, the window's mode is left alone
}

GlDevice::~GlDevice()
{
    for (MemoryTexture*& texture : textures_) Drop(texture);
    Drop(stream_);
    Drop(indices_);
    if (!Current()) return;  // the window is gone; deleting the context frees the rest
    backBuffer_.Destroy(Gl());
    if (!params_.Windowed && !context_->OwnsWindow()) SDL_SetWindowFullscreen(context_->Window(), 0);
}

bool GlDevice::ApplyPresentParameters(const D3DPRESENT_PARAMETERS& params)
{
    SDL_Window* window = context_->Window();
    if (!window || !Current()) return false;
    int width = int(params.BackBufferWidth), height = int(params.BackBufferHeight);
    if (width == 0 || height == 0) SDL_GetWindowSize(window, &width, &height);
    GlBackBuffer made;
    const D3DFORMAT depth = params.EnableAutoDepthStencil ? params.AutoDepthStencilFormat : D3DFMT_UNKNOWN;
    const bool fits = params.Windowed && WindowFits(window, width, height);
    windowRefused_ = fits && !made.UseWindow(Gl(), UINT(width), UINT(height), depth);
    if (!made.InWindow() && !made.Create(Gl(), UINT(width), UINT(height), depth)) {
        backBuffer_.Bind(Gl());
        return false;
    }
    backBuffer_.Destroy(Gl());
    backBuffer_ = made;
    backBuffer_.Bind(Gl());
    glViewport(0, 0, width, height);
    if (!context_->OwnsWindow()) SDL_SetWindowFullscreen(window, params.Windowed ? 0 : SDL_WINDOW_FULLSCREEN_DESKTOP);
    params_ = params;
    dirty_ = kDirtyEverything;
    pixelMatrices_ = false;
    return true;
}

void GlDevice::SetUpPipeline()
{
    // Direct3D lights with the viewer at the eye; specular light comes in with its render
    // state (ApplyLighting).
    glLightModeli(GL_LIGHT_MODEL_LOCAL_VIEWER, GL_TRUE);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_COMBINE);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    glEnableClientState(GL_VERTEX_ARRAY);
    if (Gl().ClipControl) Gl().ClipControl(GL_LOWER_LEFT, GL_ZERO_TO_ONE);
}

HRESULT GlDevice::Reset(D3DPRESENT_PARAMETERS* params)
{
    if (!params || !ValidPresentParameters(*params)) return D3DERR_INVALIDCALL;
    if (!ApplyPresentParameters(*params)) return D3DERR_NOTAVAILABLE;
    inScene_ = false;
    return D3D_OK;
}

HRESULT GlDevice::Clear(DWORD rectCount, const D3DRECT* rects, DWORD flags, D3DCOLOR colour, float z,
                        DWORD stencil)
{
    constexpr DWORD kKnownFlags = D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER | D3DCLEAR_STENCIL;
    if (flags == 0 || (flags & ~kKnownFlags) != 0 || (rectCount > 0 && !rects)) return D3DERR_INVALIDCALL;
    if ((flags & D3DCLEAR_ZBUFFER) && (!backBuffer_.HasDepth() || !(z >= 0.0f && z <= 1.0f)))
        return D3DERR_INVALIDCALL;
    if ((flags & D3DCLEAR_STENCIL) && !backBuffer_.HasStencil()) return D3DERR_INVALIDCALL;
    if (!Current()) return D3DERR_INVALIDCALL;

    GLbitfield mask = 0;
    if (flags & D3DCLEAR_TARGET) {
        glClearColor(float((colour >> 16) & 0xFF) / 255.0f, float((colour >> 8) & 0xFF) / 255.0f,
                     float(colour & 0xFF) / 255.0f, 1.0f);
        mask |= GL_COLOR_BUFFER_BIT;
    }
    if ((flags & D3DCLEAR_ZBUFFER) && rectCount == 0) {
        // Cleared when a draw first tests depth: a frame of flat pictures (the title, the
        // loading screen) never needs it, and the next frame clears it again.
        depthClearPending_ = true;
        pendingDepth_ = z;
    } else if (flags & D3DCLEAR_ZBUFFER) {
        ClearPendingDepth();
        // A depth clear ignores D3DRS_ZWRITEENABLE; OpenGL's obeys the depth mask.
        glDepthMask(GL_TRUE);
        dirty_ |= kDirtyDepth;
        glClearDepth(z);
        mask |= GL_DEPTH_BUFFER_BIT;
    }
    if (flags & D3DCLEAR_STENCIL) {
        glClearStencil(GLint(stencil & 0xFF));
        mask |= GL_STENCIL_BUFFER_BIT;
    }
    if (rectCount == 0) {
        if (mask) glClear(mask);
        return D3D_OK;
    }
    const LONG width = LONG(backBuffer_.Width()), height = LONG(backBuffer_.Height());
    glEnable(GL_SCISSOR_TEST);
    for (DWORD i = 0; i < rectCount; ++i) {
        const LONG left = std::clamp<LONG>(rects[i].x1, 0, width), right = std::clamp<LONG>(rects[i].x2, 0, width);
        const LONG top = std::clamp<LONG>(rects[i].y1, 0, height), bottom = std::clamp<LONG>(rects[i].y2, 0, height);
        if (left >= right || top >= bottom) continue;
        // Rects count rows from the top; OpenGL from the bottom.
        glScissor(GLint(left), GLint(height - bottom), GLsizei(right - left), GLsizei(bottom - top));
        glClear(mask);
    }
    glDisable(GL_SCISSOR_TEST);
    return D3D_OK;
}

void GlDevice::ClearPendingDepth()
{
    if (!depthClearPending_) return;
    glDepthMask(GL_TRUE);
    dirty_ |= kDirtyDepth;
    glClearDepth(pendingDepth_);
    glClear(GL_DEPTH_BUFFER_BIT);
    depthClearPending_ = false;
}

HRESULT GlDevice::BeginScene()
{
    if (inScene_) return D3DERR_INVALIDCALL;
    inScene_ = true;
    return D3D_OK;
}

HRESULT GlDevice::EndScene()
{
    if (!inScene_) return D3DERR_INVALIDCALL;
    inScene_ = false;
    return D3D_OK;
}

HRESULT GlDevice::Present(const RECT* sourceRect, const RECT* destRect, HWND overrideWindow,
                          const void* dirtyRegion)
{
    // The whole back buffer into the device's own window, as the game always asks.
    if (sourceRect || destRect || overrideWindow || dirtyRegion) return D3DERR_INVALIDCALL;
    if (!Current()) return D3DERR_INVALIDCALL;
    SDL_Window* window = context_->Window();
    int width = 0, height = 0;
    SDL_GL_GetDrawableSize(window, &width, &height);
    // Drawn straight into the window, the frame is drawn out now as after a copy, also
    // where the swap does nothing (an offscreen surface).
    if (backBuffer_.InWindow())
        glFlush();
    else
        backBuffer_.CopyToWindow(Gl(), width, height);
    SwapAndPace(window);
    // A window resized (or one that came to fit) takes the other kind of back buffer from
    // the next frame on.
    const bool fits = params_.Windowed && width == int(backBuffer_.Width()) && height == int(backBuffer_.Height());
    if (backBuffer_.InWindow() != (fits && !windowRefused_)) ApplyPresentParameters(params_);
    backBuffer_.Bind(Gl());
    crt::CountFrameForHeapTrim();
    win32::CountPresentedFrame();
    return D3D_OK;
}

void GlDevice::SwapAndPace(SDL_Window* window)
{
    const bool pacing = FramePacing();
    const bool wantVsync = pacing && DisplayRunsAt60(window);
    const int interval = wantVsync ? 1 : 0;
    if (interval != swapInterval_) {
        // A driver that refuses the interval keeps swapping at once; the timed wait paces then.
        const bool accepted = SDL_GL_SetSwapInterval(interval) == 0;
        vsyncActive_ = wantVsync && accepted;
        swapInterval_ = interval;
    }
    if (pacing && !vsyncActive_) {
        // The timed wait comes between the finished drawing and the swap, so that the swaps
        // keep to the clock whatever each frame took to draw; waiting after the swap passed
        // every change in drawing time on to the interval between pictures.
        glFinish();
        Wait(false);
    }
    SDL_GL_SwapWindow(window);
    if (pacing && vsyncActive_) Wait(true);
}

void GlDevice::Wait(bool vsync)
{
    const auto now = FramePacer::Clock::now();
    const auto wake = pacer_.WakeTime(now, vsync);
    if (wake > now) std::this_thread::sleep_until(wake);
}

HRESULT GlDevice::CreateTexture(UINT width, UINT height, UINT levels, DWORD, D3DFORMAT format, D3DPOOL pool,
                                IDirect3DTexture9** texture, HANDLE*)
{
    return CreateMemoryTexture(this, width, height, levels, format, pool, texture);
}

HRESULT GlDevice::CreateVertexBuffer(UINT length, DWORD usage, DWORD fvf, D3DPOOL pool,
                                     IDirect3DVertexBuffer9** buffer, HANDLE*)
{
    return CreateMemoryVertexBuffer(this, length, usage, fvf, pool, buffer);
}

HRESULT GlDevice::CreateIndexBuffer(UINT length, DWORD usage, D3DFORMAT format, D3DPOOL pool,
                                    IDirect3DIndexBuffer9** buffer, HANDLE*)
{
    return CreateMemoryIndexBuffer(this, length, usage, format, pool, buffer);
}

bool GlDevice::ReadBackBuffer(UINT* width, UINT* height, std::vector<uint32_t>* pixels)
{
    if (!width || !height || !pixels || !Current()) return false;
    *width = backBuffer_.Width();
    *height = backBuffer_.Height();
    *pixels = backBuffer_.Read(Gl());
    return true;
}

}  // namespace d3d9
