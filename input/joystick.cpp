// Placeholder until the joystick lands: no controller is ever found.
#include "input/joystick.h"

uint8_t g_joystickPresent = 0;

bool InitDirectInput(HWND) { return false; }

HRESULT ReadJoystick(DIJOYSTATE*) { return E_FAIL; }

void FreeDirectInput() {}
