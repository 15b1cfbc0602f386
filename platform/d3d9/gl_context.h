// An OpenGL 2.1 compatibility context on an SDL window, with the entry points beyond
// OpenGL 1.3 that the device uses. A context is shared by its device and by the GPU copies
// of resources, which may be released after the device (the game releases its textures
// last); they hold it weakly and skip their clean-up once it is gone.
#pragma once

#include <memory>

// Before OpenGL's header, which keeps the empty APIENTRY of ours.
#include "windows.h"

#include <SDL_opengl.h>

struct SDL_Window;

namespace d3d9 {

struct GlFunctions {
    PFNGLGENBUFFERSPROC GenBuffers = nullptr;
    PFNGLDELETEBUFFERSPROC DeleteBuffers = nullptr;
    PFNGLBINDBUFFERPROC BindBuffer = nullptr;
    PFNGLBUFFERDATAPROC BufferData = nullptr;
    PFNGLBUFFERSUBDATAPROC BufferSubData = nullptr;
    PFNGLGENFRAMEBUFFERSPROC GenFramebuffers = nullptr;
    PFNGLDELETEFRAMEBUFFERSPROC DeleteFramebuffers = nullptr;
    PFNGLBINDFRAMEBUFFERPROC BindFramebuffer = nullptr;
    PFNGLFRAMEBUFFERRENDERBUFFERPROC FramebufferRenderbuffer = nullptr;
    PFNGLCHECKFRAMEBUFFERSTATUSPROC CheckFramebufferStatus = nullptr;
    PFNGLGENRENDERBUFFERSPROC GenRenderbuffers = nullptr;
    PFNGLDELETERENDERBUFFERSPROC DeleteRenderbuffers = nullptr;
    PFNGLBINDRENDERBUFFERPROC BindRenderbuffer = nullptr;
    PFNGLRENDERBUFFERSTORAGEPROC RenderbufferStorage = nullptr;
    PFNGLBLITFRAMEBUFFERPROC BlitFramebuffer = nullptr;
    PFNGLBLENDEQUATIONPROC BlendEquation = nullptr;
    PFNGLSECONDARYCOLORPOINTERPROC SecondaryColorPointer = nullptr;
    PFNGLCLIPCONTROLPROC ClipControl = nullptr;  // null where the driver lacks it
};

class GlContext {
public:
    // A context for drawing into the window of the handle; with no SDL window behind the
    // handle (render tests), into a hidden 640 by 480 window of its own. `software` asks
    // Mesa for its software rasteriser. Null when no context with what we need can be made.
    static std::shared_ptr<GlContext> Create(HWND window, bool software);
    ~GlContext();
    GlContext(const GlContext&) = delete;
    GlContext& operator=(const GlContext&) = delete;

    // Makes the context current on this thread; false once its window has been destroyed.
    bool MakeCurrent();
    // Null once the window has been destroyed.
    SDL_Window* Window() const;
    bool OwnsWindow() const { return ownWindow_ != nullptr; }
    const GlFunctions& Gl() const { return gl_; }

private:
    GlContext() = default;
    bool Open(HWND window, bool software);
    bool LoadFunctions();

    bool videoReady_ = false;
    SDL_Window* ownWindow_ = nullptr;
    unsigned windowId_ = 0;
    void* context_ = nullptr;  // SDL_GLContext
    GlFunctions gl_;
};

}  // namespace d3d9
