// The game controller: the first one found, every axis set to -1000 .. 1000.
#pragma once

#include <cstdint>

#include "windows.h"

struct DIJOYSTATE;

// 1 once a controller has been kept; never set back to 0.
extern uint8_t g_joystickPresent;

// True when a controller was found, set up and acquired. Needs g_hInstance.
bool InitDirectInput(HWND window);
// Reads the controller's state into the caller's record; negative on failure, and then
// the record is left as it was.
HRESULT ReadJoystick(DIJOYSTATE* state);
void FreeDirectInput();
