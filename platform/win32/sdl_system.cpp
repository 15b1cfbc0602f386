// Windows, keyboard and message boxes over SDL2.
#include "sdl_system.h"

#include <SDL.h>

#include <csignal>
#include <cstdio>

#include "lost_display.h"
#include "sdl_window.h"

namespace win32 {

SdlSystem::SdlSystem()
{
    videoReady_ = SDL_InitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS) == 0;
    // After SDL has opened the display, so that no handler of SDL's replaces ours.
    if (videoReady_) EndOnLostDisplay();
}

SdlSystem::~SdlSystem()
{
    for (auto& entry : sdlWindows_) SDL_DestroyWindow(entry.second);
    if (videoReady_) SDL_QuitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS);
}

HWND SdlSystem::CreateWindow(DWORD exStyle, LPCSTR className, LPCSTR title, DWORD style, int x, int y, int width,
                             int height, HWND parent, HMENU menu, HINSTANCE instance)
{
    if (!videoReady_ || width <= 0 || height <= 0) return nullptr;
    HWND handle = Win32System::CreateWindow(exStyle, className, title, style, x, y, width, height, parent, menu,
                                            instance);
    if (!handle) return nullptr;
    int sdlX = x == CW_USEDEFAULT ? int(SDL_WINDOWPOS_CENTERED) : x;
    int sdlY = y == CW_USEDEFAULT ? int(SDL_WINDOWPOS_CENTERED) : y;
    SDL_Window* window = SDL_CreateWindow(title ? title : "", sdlX, sdlY, width, height,
                                          SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN | SDL_WINDOW_RESIZABLE);
    if (!window) {
        Win32System::DestroyWindow(handle);
        return nullptr;
    }
    sdlWindows_[handle] = window;
    return handle;
}

BOOL SdlSystem::ShowWindow(HWND window, int showCommand)
{
    BOOL wasVisible = Win32System::ShowWindow(window, showCommand);
    SDL_Window* sdl = SdlWindowOf(window);
    if (!sdl) return wasVisible;
    if (showCommand == SW_HIDE) {
        SDL_HideWindow(sdl);
        return wasVisible;
    }
    SDL_ShowWindow(sdl);
    // The size given at creation is the outer size, frame included, as on Windows.
    int top = 0, left = 0, bottom = 0, right = 0;
    if (!wasVisible && SDL_GetWindowBordersSize(sdl, &top, &left, &bottom, &right) == 0) {
        const Window* record = Find(window);
        int width = record->width - left - right;
        int height = record->height - top - bottom;
        if (width > 0 && height > 0) SDL_SetWindowSize(sdl, width, height);
    }
    return wasVisible;
}

int SdlSystem::ShowCursor(BOOL show)
{
    int count = Win32System::ShowCursor(show);
    SDL_ShowCursor(count >= 0 ? SDL_ENABLE : SDL_DISABLE);
    return count;
}

namespace {

// SDL turns SIGINT and SIGTERM into a quit event, which nothing reads while a message box
// runs its own loop: the box would wait for an answer that no one gives. While it is shown,
// they end the process as they end any program; nothing is at stake before the game runs.
int ShowEndingOnSignals(const SDL_MessageBoxData& box, int* answer)
{
    struct sigaction ending = {}, sdlTerm = {}, sdlInt = {};
    ending.sa_handler = SIG_DFL;
    sigaction(SIGTERM, &ending, &sdlTerm);
    sigaction(SIGINT, &ending, &sdlInt);
    int result = SDL_ShowMessageBox(&box, answer);
    sigaction(SIGTERM, &sdlTerm, nullptr);
    sigaction(SIGINT, &sdlInt, nullptr);
    return result;
}

}  // namespace

bool SdlSystem::QuitAsked() const
{
    if (!videoReady_) return false;
    SDL_PumpEvents();
    return SDL_PeepEvents(nullptr, 0, SDL_PEEKEVENT, SDL_QUIT, SDL_QUIT) > 0;
}

int SdlSystem::MessageBox(HWND owner, LPCSTR text, LPCSTR caption, UINT type)
{
    const bool yesNo = (type & 0xF) == MB_YESNO;
    SDL_MessageBoxButtonData yesNoButtons[] = {
        {SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT, IDYES, "Yes"},
        {SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT, IDNO, "No"},
    };
    SDL_MessageBoxButtonData okButton[] = {
        {SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT | SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT, IDOK, "OK"},
    };
    SDL_MessageBoxData box = {};
    box.flags = (type & MB_ICONHAND) ? SDL_MESSAGEBOX_ERROR : SDL_MESSAGEBOX_INFORMATION;
    box.window = SdlWindowOf(owner);
    box.title = caption ? caption : "";
    box.message = text ? text : "";
    box.numbuttons = yesNo ? 2 : 1;
    box.buttons = yesNo ? yesNoButtons : okButton;
    if (QuitAsked()) return 0;
    int answer = 0;
    if (ShowEndingOnSignals(box, &answer) == 0 && answer > 0) return answer;
    // No dialog can be shown (no display, or an X server without fonts): say so on the
    // console and answer 0, as a Windows message box that fails does; no button answers 0.
    std::fprintf(stderr, "[%s] %s\n", box.title, box.message);
    return 0;
}

void SdlSystem::DestroyWindow(HWND window)
{
    Win32System::DestroyWindow(window);
    auto found = sdlWindows_.find(window);
    if (found == sdlWindows_.end()) return;
    SDL_DestroyWindow(found->second);
    sdlWindows_.erase(found);
}

SDL_Window* SdlSystem::SdlWindowOf(HWND window) const
{
    auto found = sdlWindows_.find(window);
    return found == sdlWindows_.end() ? nullptr : found->second;
}

HWND SdlSystem::HandleOf(unsigned windowId) const
{
    SDL_Window* window = SDL_GetWindowFromID(windowId);
    for (const auto& entry : sdlWindows_) {
        if (entry.second == window) return entry.first;
    }
    return nullptr;
}

void SdlSystem::PumpEvents()
{
    if (!videoReady_) return;
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        switch (event.type) {
        case SDL_QUIT:
            for (const auto& entry : sdlWindows_) CloseWindow(entry.first);
            break;
        case SDL_WINDOWEVENT:
            if (event.window.event == SDL_WINDOWEVENT_CLOSE) CloseWindow(HandleOf(event.window.windowID));
            if (event.window.event == SDL_WINDOWEVENT_FOCUS_LOST) {
                ReleaseAllKeys();
                SetFocus(nullptr);
            }
            if (event.window.event == SDL_WINDOWEVENT_FOCUS_GAINED) SetFocus(HandleOf(event.window.windowID));
            break;
        case SDL_KEYDOWN:
            KeyDown(VirtualKeyFromSdl(event.key.keysym.sym), event.key.repeat != 0);
            break;
        case SDL_KEYUP:
            KeyUp(VirtualKeyFromSdl(event.key.keysym.sym));
            break;
        default:
            break;
        }
    }
}

bool SdlSystem::WaitEvents()
{
    if (!videoReady_) return false;
    SDL_WaitEventTimeout(nullptr, 100);
    return true;
}

int VirtualKeyFromSdl(int key)
{
    if (key >= SDLK_a && key <= SDLK_z) return 'A' + (key - SDLK_a);
    if (key >= SDLK_0 && key <= SDLK_9) return '0' + (key - SDLK_0);
    switch (key) {
    case SDLK_RETURN:
    case SDLK_KP_ENTER:
        return VK_RETURN;
    case SDLK_ESCAPE:
        return VK_ESCAPE;
    case SDLK_SPACE:
        return VK_SPACE;
    case SDLK_LEFT:
        return VK_LEFT;
    case SDLK_RIGHT:
        return VK_RIGHT;
    case SDLK_UP:
        return VK_UP;
    case SDLK_DOWN:
        return VK_DOWN;
    case SDLK_TAB:
        return VK_TAB;
    case SDLK_BACKSPACE:
        return VK_BACK;
    case SDLK_LSHIFT:
    case SDLK_RSHIFT:
        return VK_SHIFT;
    case SDLK_LCTRL:
    case SDLK_RCTRL:
        return VK_CONTROL;
    default:
        return 0;
    }
}

SDL_Window* SdlWindow(HWND window)
{
    if (!Installed()) return nullptr;
    auto* system = dynamic_cast<SdlSystem*>(&System());
    return system ? system->SdlWindowOf(window) : nullptr;
}

}  // namespace win32
