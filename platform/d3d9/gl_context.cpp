// Making and keeping the OpenGL context.
#include "gl_context.h"

#include <SDL.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>

#include "sdl_window.h"

namespace d3d9 {

namespace {

bool HasExtension(const char* list, const char* name)
{
    const size_t length = std::strlen(name);
    for (const char* at = list; at && (at = std::strstr(at, name)) != nullptr; at += length) {
        const bool startsWord = at == list || at[-1] == ' ';
        const bool endsWord = at[length] == ' ' || at[length] == '\0';
        if (startsWord && endsWord) return true;
    }
    return false;
}

// Mesa reads LIBGL_ALWAYS_SOFTWARE when it loads its driver; it is set for that moment only.
class SoftwareRendering {
public:
    explicit SoftwareRendering(bool on) : on_(on)
    {
        if (!on_) return;
        if (const char* value = std::getenv(kName)) previous_ = value;
        setenv(kName, "1", 1);
    }
    ~SoftwareRendering()
    {
        if (!on_) return;
        if (previous_)
            setenv(kName, previous_->c_str(), 1);
        else
            unsetenv(kName);
    }
    SoftwareRendering(const SoftwareRendering&) = delete;
    SoftwareRendering& operator=(const SoftwareRendering&) = delete;

private:
    static constexpr const char* kName = "LIBGL_ALWAYS_SOFTWARE";
    bool on_;
    std::optional<std::string> previous_;
};

template <class Function>
bool Load(Function& function, const char* name)
{
    function = reinterpret_cast<Function>(SDL_GL_GetProcAddress(name));
    return function != nullptr;
}

}  // namespace

std::shared_ptr<GlContext> GlContext::Create(HWND window, bool software)
{
    std::shared_ptr<GlContext> context(new GlContext);
    if (!context->Open(window, software)) return nullptr;
    return context;
}

bool GlContext::Open(HWND window, bool software)
{
    videoReady_ = SDL_InitSubSystem(SDL_INIT_VIDEO) == 0;
    if (!videoReady_) return false;
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 2);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 1);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, 0);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_FLAGS, 0);
    {
        // The driver is chosen when SDL first loads OpenGL, which may be with our own window.
        SoftwareRendering mode(software);
        SDL_Window* target = win32::SdlWindow(window);
        if (!target) {
            ownWindow_ = SDL_CreateWindow("", SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED, 640, 480,
                                          SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN);
            if (!ownWindow_) return false;
            target = ownWindow_;
        }
        windowId_ = SDL_GetWindowID(target);
        context_ = SDL_GL_CreateContext(target);
    }
    if (!context_ || !MakeCurrent()) return false;
    return LoadFunctions();
}

bool GlContext::LoadFunctions()
{
    int major = 0, minor = 0;
    const char* version = reinterpret_cast<const char*>(glGetString(GL_VERSION));
    if (!version || std::sscanf(version, "%d.%d", &major, &minor) != 2) return false;
    const int level = major * 10 + minor;
    const char* extensions = reinterpret_cast<const char*>(glGetString(GL_EXTENSIONS));
    const bool framebuffers = level >= 30 || HasExtension(extensions, "GL_ARB_framebuffer_object");
    const bool bgraArrays = level >= 32 || HasExtension(extensions, "GL_ARB_vertex_array_bgra") ||
                            HasExtension(extensions, "GL_EXT_vertex_array_bgra");
    if (level < 21 || !framebuffers || !bgraArrays) return false;
    const bool loaded =
        Load(gl_.GenBuffers, "glGenBuffers") && Load(gl_.DeleteBuffers, "glDeleteBuffers") &&
        Load(gl_.BindBuffer, "glBindBuffer") && Load(gl_.BufferData, "glBufferData") &&
        Load(gl_.BufferSubData, "glBufferSubData") && Load(gl_.GenFramebuffers, "glGenFramebuffers") &&
        Load(gl_.DeleteFramebuffers, "glDeleteFramebuffers") && Load(gl_.BindFramebuffer, "glBindFramebuffer") &&
        Load(gl_.FramebufferRenderbuffer, "glFramebufferRenderbuffer") &&
        Load(gl_.CheckFramebufferStatus, "glCheckFramebufferStatus") &&
        Load(gl_.GenRenderbuffers, "glGenRenderbuffers") && Load(gl_.DeleteRenderbuffers, "glDeleteRenderbuffers") &&
        Load(gl_.BindRenderbuffer, "glBindRenderbuffer") &&
        Load(gl_.RenderbufferStorage, "glRenderbufferStorage") &&
        Load(gl_.BlitFramebuffer, "glBlitFramebuffer") && Load(gl_.BlendEquation, "glBlendEquation") &&
        Load(gl_.SecondaryColorPointer, "glSecondaryColorPointer");
    if (!loaded) return false;
    if (level >= 45 || HasExtension(extensions, "GL_ARB_clip_control")) Load(gl_.ClipControl, "glClipControl");
    return true;
}

GlContext::~GlContext()
{
    if (context_) SDL_GL_DeleteContext(context_);
    if (ownWindow_) SDL_DestroyWindow(ownWindow_);
    if (videoReady_) SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

bool GlContext::MakeCurrent()
{
    SDL_Window* window = Window();
    return window && SDL_GL_MakeCurrent(window, context_) == 0;
}

SDL_Window* GlContext::Window() const { return windowId_ ? SDL_GetWindowFromID(windowId_) : nullptr; }

}  // namespace d3d9
