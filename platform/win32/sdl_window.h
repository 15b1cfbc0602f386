// The SDL window behind a real window handle, for the Direct3D device that draws into it.
#pragma once

#include "windows.h"

struct SDL_Window;

namespace win32 {

// Null for a handle of the test stand-in or one that names no window.
SDL_Window* SdlWindow(HWND window);

}  // namespace win32
