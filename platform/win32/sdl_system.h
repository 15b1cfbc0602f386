// The real window system: SDL windows, SDL keyboard events and SDL message boxes.
#pragma once

#include <map>

#include "win32_system.h"

struct SDL_Window;

namespace win32 {

class SdlSystem : public Win32System {
public:
    SdlSystem();
    ~SdlSystem() override;

    HWND CreateWindow(DWORD exStyle, LPCSTR className, LPCSTR title, DWORD style, int x, int y, int width,
                      int height, HWND parent, HMENU menu, HINSTANCE instance) override;
    BOOL ShowWindow(HWND window, int showCommand) override;
    int ShowCursor(BOOL show) override;
    int MessageBox(HWND owner, LPCSTR text, LPCSTR caption, UINT type) override;
    void DestroyWindow(HWND window) override;

    SDL_Window* SdlWindowOf(HWND window) const;

protected:
    void PumpEvents() override;
    bool WaitEvents() override;

private:
    HWND HandleOf(unsigned windowId) const;
    // A quit is waiting (a signal came before a message box): the box answers 0 unshown,
    // and the main loop then ends the game.
    bool QuitAsked() const;

    bool videoReady_ = false;
    std::map<HWND, SDL_Window*> sdlWindows_;
};

// Maps an SDL key to its Windows virtual-key code; 0 for keys the game never asks about.
int VirtualKeyFromSdl(int sdlKeycode);

}  // namespace win32
