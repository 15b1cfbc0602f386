// DirectInput over SDL's joystick API: every joystick SDL sees is a game controller,
// opened in the standard joystick format with up to eight axes, four hats and 32 buttons.
#pragma once

#include <array>

#include "dinput.h"

struct _SDL_Joystick;

namespace dinput {

class SdlDirectInput : public com::RefCounted<IDirectInput8A> {
public:
    SdlDirectInput();
    ~SdlDirectInput() override;

    HRESULT CreateDevice(REFGUID instance, IDirectInputDevice8A** device, LPUNKNOWN outer) override;
    HRESULT EnumDevices(DWORD deviceClass, LPDIENUMDEVICESCALLBACKA callback, LPVOID context,
                        DWORD flags) override;

private:
    bool ready_ = false;
};

class SdlJoystickDevice : public com::RefCounted<IDirectInputDevice8A> {
public:
    explicit SdlJoystickDevice(_SDL_Joystick* joystick);
    ~SdlJoystickDevice() override;

    HRESULT GetCapabilities(DIDEVCAPS* caps) override;
    HRESULT EnumObjects(LPDIENUMDEVICEOBJECTSCALLBACKA callback, LPVOID context, DWORD flags) override;
    HRESULT SetProperty(REFGUID property, LPCDIPROPHEADER header) override;
    HRESULT Acquire() override;
    HRESULT Unacquire() override;
    HRESULT GetDeviceState(DWORD size, LPVOID data) override;
    HRESULT SetDataFormat(const DIDATAFORMAT* format) override;
    HRESULT SetCooperativeLevel(HWND window, DWORD flags) override;
    HRESULT Poll() override;

    static constexpr int kMaxAxes = 8;  // lX, lY, lZ, lRx, lRy, lRz and two sliders

private:
    struct Range {
        LONG min = 0;
        LONG max = 65535;  // DirectInput's default range
    };
    int AxisCount() const;
    bool WindowHasFocus() const;

    _SDL_Joystick* joystick_;
    std::array<Range, kMaxAxes> ranges_{};
    bool formatSet_ = false;
    bool acquired_ = false;
    HWND window_ = nullptr;
    DWORD cooperation_ = 0;
};

// Scales an SDL axis value (-32768 .. 32767) into [min, max], rounding to nearest.
LONG ScaleAxis(int value, LONG min, LONG max);

}  // namespace dinput
