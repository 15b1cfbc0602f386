// The game controller: the first DirectInput game controller that opens and answers its
// capability query, every axis ranged -1000 .. 1000, acquired once at start-up.
#include "input/joystick.h"

#include "core/globals.h"
#include "core/release.h"
#include "dinput.h"

IDirectInput8A* g_directInput = nullptr;
IDirectInputDevice8A* g_joystick = nullptr;
DIDEVCAPS g_joystickCaps = {};
uint8_t g_joystickPresent = 0;

BOOL CALLBACK EnumJoysticksCallback(LPCDIDEVICEINSTANCEA instance, LPVOID)
{
    if (FAILED(g_directInput->CreateDevice(instance->guidInstance, &g_joystick, nullptr))) return DIENUM_CONTINUE;
    g_joystickCaps.dwSize = sizeof(DIDEVCAPS);
    if (FAILED(g_joystick->GetCapabilities(&g_joystickCaps))) {
        g_joystick->Release();
        g_joystick = nullptr;
        return DIENUM_CONTINUE;
    }
    g_joystickPresent = 1;
    return DIENUM_STOP;
}

BOOL CALLBACK EnumAxesCallback(LPCDIDEVICEOBJECTINSTANCEA object, LPVOID)
{
    DIPROPRANGE range = {};
    range.diph.dwSize = sizeof(DIPROPRANGE);
    range.diph.dwHeaderSize = sizeof(DIPROPHEADER);
    range.diph.dwObj = object->dwType;
    range.diph.dwHow = DIPH_BYID;
    range.lMin = -1000;
    range.lMax = +1000;
    return FAILED(g_joystick->SetProperty(DIPROP_RANGE, &range.diph)) ? DIENUM_STOP : DIENUM_CONTINUE;
}

bool InitDirectInput(HWND window)
{
    if (FAILED(DirectInput8Create(g_hInstance, DIRECTINPUT_VERSION, IID_IDirectInput8A,
                                  reinterpret_cast<void**>(&g_directInput), nullptr)))
        return false;
    if (FAILED(g_directInput->EnumDevices(DI8DEVCLASS_GAMECTRL, EnumJoysticksCallback, nullptr, DIEDFL_ALLDEVICES)) ||
        !g_joystick)
        return false;
    if (FAILED(g_joystick->SetDataFormat(&c_dfDIJoystick))) return false;
    if (FAILED(g_joystick->SetCooperativeLevel(window, DISCL_NONEXCLUSIVE | DISCL_FOREGROUND))) return false;
    if (FAILED(g_joystick->EnumObjects(EnumAxesCallback, nullptr, DIDFT_AXIS))) return false;

    DIPROPDWORD axisMode = {};
    axisMode.diph.dwSize = sizeof(DIPROPDWORD);
    axisMode.diph.dwHeaderSize = sizeof(DIPROPHEADER);
    axisMode.diph.dwObj = 0;
    axisMode.diph.dwHow = DIPH_DEVICE;
    axisMode.dwData = DIPROPAXISMODE_ABS;
    if (FAILED(g_joystick->SetProperty(DIPROP_AXISMODE, &axisMode.diph))) return false;

    g_joystick->Poll();
    g_joystick->Acquire();
    return true;
}

HRESULT ReadJoystick(DIJOYSTATE* state)
{
    HRESULT result = g_joystick->GetDeviceState(sizeof(DIJOYSTATE), state);
    // A foreground device loses its acquisition whenever the window loses the focus;
    // take it back, or every later read would fail.
    if (result == DIERR_INPUTLOST || result == DIERR_NOTACQUIRED) {
        g_joystick->Acquire();
        result = g_joystick->GetDeviceState(sizeof(DIJOYSTATE), state);
    }
    return result;
}

void FreeDirectInput()
{
    if (g_joystick) g_joystick->Unacquire();
    Release(g_joystick);
    Release(g_directInput);
}
