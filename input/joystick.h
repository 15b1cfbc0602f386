// The game controller: the first one found, every axis set to -1000 .. 1000.
#pragma once

#include <cstdint>

#include "dinput.h"

extern IDirectInput8A* g_directInput;      // kept from start-up to shutdown once made
extern IDirectInputDevice8A* g_joystick;   // null when no controller was kept
extern DIDEVCAPS g_joystickCaps;           // filled by the acceptance test; read by nothing else
// 1 once a controller has been kept; never set back to 0.
extern uint8_t g_joystickPresent;

// True when a controller was found, set up and acquired. Needs g_hInstance.
bool InitDirectInput(HWND window);
// Reads the controller's state into the caller's record; negative on failure, and then
// the record is left as it was.
HRESULT ReadJoystick(DIJOYSTATE* state);
void FreeDirectInput();

// The enumeration callbacks: the first controller that opens and answers its capability
// query is kept; every axis is given the range -1000 .. 1000.
BOOL CALLBACK EnumJoysticksCallback(LPCDIDEVICEINSTANCEA instance, LPVOID context);
BOOL CALLBACK EnumAxesCallback(LPCDIDEVICEOBJECTINSTANCEA object, LPVOID context);
