// The SDL joystick behind each DirectInput game controller.
#include "sdl_joystick.h"

#include <SDL.h>

#include <cmath>
#include <cstdio>
#include <cstring>

#include "direct_input.h"
#include "objbase.h"
#include "win32_system.h"

namespace dinput {

namespace {

// Instance identifiers carry SDL's device index; the rest marks them as ours.
GUID InstanceGuid(int index)
{
    GUID guid = {0x7E1A0000u + uint32_t(index), 0x5D1, 0x4A11, {'V', 'E', 'L', 'T', 'J', 'O', 'Y', 0}};
    return guid;
}

int IndexFromGuid(const GUID& guid)
{
    GUID expected = InstanceGuid(0);
    expected.Data1 = guid.Data1;
    if (expected != guid || guid.Data1 < 0x7E1A0000u) return -1;
    return int(guid.Data1 - 0x7E1A0000u);
}

const GUID* const kAxisGuids[SdlJoystickDevice::kMaxAxes] = {&GUID_XAxis,  &GUID_YAxis,  &GUID_ZAxis,
                                                             &GUID_RxAxis, &GUID_RyAxis, &GUID_RzAxis,
                                                             &GUID_Slider, &GUID_Slider};

}  // namespace

LONG ScaleAxis(int value, LONG min, LONG max)
{
    double unit = (double(value) + 32768.0) / 65535.0;
    return LONG(std::lround(double(min) + unit * (double(max) - double(min))));
}

SdlDirectInput::SdlDirectInput()
{
    // Foreground-only reading is our own rule (see WindowHasFocus); SDL must not drop
    // stick input on its own idea of focus, which off-screen windows never get.
    SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    ready_ = SDL_InitSubSystem(SDL_INIT_JOYSTICK) == 0;
}

SdlDirectInput::~SdlDirectInput()
{
    if (ready_) SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
}

HRESULT SdlDirectInput::EnumDevices(DWORD deviceClass, LPDIENUMDEVICESCALLBACKA callback, LPVOID context, DWORD)
{
    if (!callback) return DIERR_INVALIDPARAM;
    if (!ready_) return DIERR_NOTINITIALIZED;
    if (deviceClass != DI8DEVCLASS_GAMECTRL && deviceClass != DI8DEVCLASS_ALL) return DI_OK;
    const int count = SDL_NumJoysticks();
    for (int index = 0; index < count; ++index) {
        DIDEVICEINSTANCEA instance = {};
        instance.dwSize = sizeof instance;
        instance.guidInstance = InstanceGuid(index);
        instance.guidProduct = instance.guidInstance;
        instance.dwDevType = DI8DEVTYPE_GAMEPAD;
        const char* name = SDL_JoystickNameForIndex(index);
        std::snprintf(instance.tszInstanceName, MAX_PATH, "%s", name ? name : "Game controller");
        std::snprintf(instance.tszProductName, MAX_PATH, "%s", instance.tszInstanceName);
        if (callback(&instance, context) == DIENUM_STOP) break;
    }
    return DI_OK;
}

HRESULT SdlDirectInput::CreateDevice(REFGUID instance, IDirectInputDevice8A** device, LPUNKNOWN outer)
{
    if (!device) return DIERR_INVALIDPARAM;
    *device = nullptr;
    if (outer) return CLASS_E_NOAGGREGATION;
    const int index = IndexFromGuid(instance);
    if (index < 0 || index >= SDL_NumJoysticks()) return DIERR_DEVICENOTREG;
    SDL_Joystick* joystick = SDL_JoystickOpen(index);
    if (!joystick) return DIERR_DEVICENOTREG;
    *device = new SdlJoystickDevice(joystick);
    return DI_OK;
}

// A device may outlive its DirectInput object; it holds the joystick subsystem itself so
// that SDL does not free the joystick under it.
SdlJoystickDevice::SdlJoystickDevice(SDL_Joystick* joystick) : joystick_(joystick)
{
    SDL_InitSubSystem(SDL_INIT_JOYSTICK);
}

SdlJoystickDevice::~SdlJoystickDevice()
{
    SDL_JoystickClose(joystick_);
    SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
}

int SdlJoystickDevice::AxisCount() const
{
    int axes = SDL_JoystickNumAxes(joystick_);
    return axes < 0 ? 0 : axes > kMaxAxes ? kMaxAxes : axes;
}

HRESULT SdlJoystickDevice::GetCapabilities(DIDEVCAPS* caps)
{
    if (!caps || caps->dwSize != sizeof(DIDEVCAPS)) return DIERR_INVALIDPARAM;
    if (!SDL_JoystickGetAttached(joystick_)) return DIERR_INPUTLOST;
    std::memset(reinterpret_cast<BYTE*>(caps) + sizeof(DWORD), 0, sizeof(DIDEVCAPS) - sizeof(DWORD));
    caps->dwFlags = 0x00000001;  // attached
    caps->dwDevType = DI8DEVTYPE_GAMEPAD;
    caps->dwAxes = DWORD(AxisCount());
    int buttons = SDL_JoystickNumButtons(joystick_);
    caps->dwButtons = DWORD(buttons < 0 ? 0 : buttons > 32 ? 32 : buttons);
    int hats = SDL_JoystickNumHats(joystick_);
    caps->dwPOVs = DWORD(hats < 0 ? 0 : hats > 4 ? 4 : hats);
    return DI_OK;
}

HRESULT SdlJoystickDevice::EnumObjects(LPDIENUMDEVICEOBJECTSCALLBACKA callback, LPVOID context, DWORD flags)
{
    if (!callback) return DIERR_INVALIDPARAM;
    // Only axes are ever asked for; other object kinds are not listed.
    if (flags != DIDFT_ALL && !(flags & DIDFT_AXIS)) return DI_OK;
    for (int axis = 0; axis < AxisCount(); ++axis) {
        DIDEVICEOBJECTINSTANCEA object = {};
        object.dwSize = sizeof object;
        object.guidType = *kAxisGuids[axis];
        object.dwOfs = DWORD(axis * sizeof(LONG));
        object.dwType = DIDFT_ABSAXIS | DIDFT_MAKEINSTANCE(axis);
        std::snprintf(object.tszName, MAX_PATH, "Axis %d", axis);
        if (callback(&object, context) == DIENUM_STOP) break;
    }
    return DI_OK;
}

HRESULT SdlJoystickDevice::SetProperty(REFGUID property, LPCDIPROPHEADER header)
{
    if (!header || header->dwHeaderSize != sizeof(DIPROPHEADER)) return DIERR_INVALIDPARAM;
    if (acquired_) return DIERR_INVALIDPARAM;  // properties are set before acquiring
    if (property == DIPROP_AXISMODE) {
        if (header->dwSize != sizeof(DIPROPDWORD) || header->dwHow != DIPH_DEVICE) return DIERR_INVALIDPARAM;
        // Axes are always reported as absolute positions.
        return reinterpret_cast<const DIPROPDWORD*>(header)->dwData == DIPROPAXISMODE_ABS ? DI_OK
                                                                                        : DIERR_UNSUPPORTED;
    }
    if (property != DIPROP_RANGE) return DIERR_UNSUPPORTED;
    if (header->dwSize != sizeof(DIPROPRANGE)) return DIERR_INVALIDPARAM;
    const auto* range = reinterpret_cast<const DIPROPRANGE*>(header);
    if (range->lMin >= range->lMax) return DIERR_INVALIDPARAM;
    if (header->dwHow == DIPH_DEVICE) {
        for (Range& axis : ranges_) axis = {range->lMin, range->lMax};
        return DI_OK;
    }
    int axis = -1;
    if (header->dwHow == DIPH_BYID && (header->dwObj & DIDFT_AXIS)) axis = DIDFT_GETINSTANCE(header->dwObj);
    if (header->dwHow == DIPH_BYOFFSET && header->dwObj % sizeof(LONG) == 0) axis = int(header->dwObj / sizeof(LONG));
    if (axis < 0 || axis >= AxisCount()) return DIERR_OBJECTNOTFOUND;
    ranges_[axis] = {range->lMin, range->lMax};
    return DI_OK;
}

bool SdlJoystickDevice::WindowHasFocus() const
{
    if (!(cooperation_ & DISCL_FOREGROUND)) return true;
    return win32::Installed() && win32::System().Focus() == window_;
}

HRESULT SdlJoystickDevice::Acquire()
{
    if (!formatSet_) return DIERR_INVALIDPARAM;
    if (!WindowHasFocus()) return DIERR_OTHERAPPHASPRIO;
    if (acquired_) return DI_NOEFFECT;
    acquired_ = true;
    return DI_OK;
}

HRESULT SdlJoystickDevice::Unacquire()
{
    if (!acquired_) return DI_NOEFFECT;
    acquired_ = false;
    return DI_OK;
}

HRESULT SdlJoystickDevice::GetDeviceState(DWORD size, LPVOID data)
{
    if (!data || size != sizeof(DIJOYSTATE)) return DIERR_INVALIDPARAM;
    if (!acquired_) return DIERR_NOTACQUIRED;
    if (!WindowHasFocus() || !SDL_JoystickGetAttached(joystick_)) {
        // A foreground device loses its acquisition with the focus, as on Windows.
        acquired_ = false;
        return DIERR_INPUTLOST;
    }
    SDL_JoystickUpdate();
    DIJOYSTATE state = {};
    LONG* axes[kMaxAxes] = {&state.lX,  &state.lY,  &state.lZ,           &state.lRx,
                            &state.lRy, &state.lRz, &state.rglSlider[0], &state.rglSlider[1]};
    for (int axis = 0; axis < AxisCount(); ++axis) {
        *axes[axis] = ScaleAxis(SDL_JoystickGetAxis(joystick_, axis), ranges_[axis].min, ranges_[axis].max);
    }
    for (DWORD& pov : state.rgdwPOV) pov = 0xFFFFFFFF;
    const int hats = SDL_JoystickNumHats(joystick_);
    for (int hat = 0; hat < hats && hat < 4; ++hat) {
        static const DWORD kHatAngles[16] = {0xFFFFFFFF, 0,     9000,  4500,  18000, 0xFFFFFFFF, 13500, 0xFFFFFFFF,
                                             27000,      31500, 0xFFFFFFFF, 0xFFFFFFFF, 22500, 0xFFFFFFFF,
                                             0xFFFFFFFF, 0xFFFFFFFF};
        state.rgdwPOV[hat] = kHatAngles[SDL_JoystickGetHat(joystick_, hat) & 0xF];
    }
    const int buttons = SDL_JoystickNumButtons(joystick_);
    for (int button = 0; button < buttons && button < 32; ++button) {
        state.rgbButtons[button] = SDL_JoystickGetButton(joystick_, button) ? 0x80 : 0;
    }
    std::memcpy(data, &state, sizeof state);
    return DI_OK;
}

HRESULT SdlJoystickDevice::SetDataFormat(const DIDATAFORMAT* format)
{
    if (format != &c_dfDIJoystick) return DIERR_INVALIDPARAM;
    if (acquired_) return DIERR_INVALIDPARAM;
    formatSet_ = true;
    return DI_OK;
}

HRESULT SdlJoystickDevice::SetCooperativeLevel(HWND window, DWORD flags)
{
    const bool oneOfExclusivity = ((flags & DISCL_EXCLUSIVE) != 0) != ((flags & DISCL_NONEXCLUSIVE) != 0);
    const bool oneOfGround = ((flags & DISCL_FOREGROUND) != 0) != ((flags & DISCL_BACKGROUND) != 0);
    if (!oneOfExclusivity || !oneOfGround) return DIERR_INVALIDPARAM;
    if ((flags & DISCL_FOREGROUND) && !window) return DIERR_INVALIDPARAM;
    window_ = window;
    cooperation_ = flags;
    return DI_OK;
}

HRESULT SdlJoystickDevice::Poll()
{
    if (!acquired_) return DIERR_NOTACQUIRED;
    SDL_JoystickUpdate();
    return DI_NOEFFECT;  // joysticks here need no polling beyond the update
}

IDirectInput8A* CreateSdlDirectInput() { return new SdlDirectInput(); }

}  // namespace dinput
