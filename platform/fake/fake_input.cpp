// The DirectInput stand-in: enumerates its scripted controllers and records every call.
#include "fake_input.h"

#include <cstdio>

#include "call_log.h"
#include "call_names.h"
#include "direct_input.h"

namespace fake {

namespace {

DIJOYSTATE s_controllerState = {};
bool s_failReads = false;

class FakeController : public com::RefCounted<IDirectInputDevice8A> {
public:
    explicit FakeController(ScriptedController script) : script_(std::move(script)) {}

    HRESULT GetCapabilities(DIDEVCAPS* caps) override
    {
        Record(Call("Joystick.GetCapabilities", script_.name, caps ? caps->dwSize : 0u));
        if (script_.failCapabilities || !caps) return DIERR_INPUTLOST;
        caps->dwAxes = DWORD(script_.axes);
        return DI_OK;
    }
    HRESULT EnumObjects(LPDIENUMDEVICEOBJECTSCALLBACKA callback, LPVOID context, DWORD flags) override
    {
        Record(Call("Joystick.EnumObjects", script_.name, name::ObjectTypes(flags)));
        for (int axis = 0; axis < script_.axes; ++axis) {
            DIDEVICEOBJECTINSTANCEA object = {};
            object.dwSize = sizeof object;
            object.dwType = DIDFT_ABSAXIS | DIDFT_MAKEINSTANCE(axis);
            if (callback(&object, context) == DIENUM_STOP) break;
        }
        return DI_OK;
    }
    HRESULT SetProperty(REFGUID property, LPCDIPROPHEADER header) override
    {
        if (property == DIPROP_RANGE) {
            const auto* range = reinterpret_cast<const DIPROPRANGE*>(header);
            Record(Call("Joystick.SetProperty(RANGE)", header->dwSize, header->dwHeaderSize, header->dwObj,
                        name::PropertyHow(header->dwHow), range->lMin, range->lMax));
        } else {
            const auto* value = reinterpret_cast<const DIPROPDWORD*>(header);
            Record(Call("Joystick.SetProperty(AXISMODE)", header->dwSize, header->dwHeaderSize, header->dwObj,
                        name::PropertyHow(header->dwHow), name::AxisMode(value->dwData)));
        }
        return DI_OK;
    }
    HRESULT Acquire() override { return Note("Joystick.Acquire"); }
    HRESULT Unacquire() override { return Note("Joystick.Unacquire"); }
    HRESULT GetDeviceState(DWORD size, LPVOID data) override
    {
        Record(Call("Joystick.GetDeviceState", size));
        if (!data || size != sizeof(DIJOYSTATE)) return DIERR_INVALIDPARAM;
        if (s_failReads) return DIERR_INPUTLOST;
        *static_cast<DIJOYSTATE*>(data) = s_controllerState;
        return DI_OK;
    }
    HRESULT SetDataFormat(const DIDATAFORMAT* format) override
    {
        Record(Call("Joystick.SetDataFormat", format == &c_dfDIJoystick ? "c_dfDIJoystick" : "other"));
        return DI_OK;
    }
    HRESULT SetCooperativeLevel(HWND window, DWORD flags) override
    {
        Record(Call("Joystick.SetCooperativeLevel", static_cast<const void*>(window), name::InputCooperation(flags)));
        return DI_OK;
    }
    HRESULT Poll() override { return Note("Joystick.Poll"); }
    ULONG Release() override
    {
        Record(Call("Joystick.Release", script_.name));
        return RefCounted::Release();
    }

private:
    HRESULT Note(const char* name)
    {
        Record(Call(name, script_.name));
        return DI_OK;
    }
    ScriptedController script_;
};

class FakeDirectInput : public com::RefCounted<IDirectInput8A> {
public:
    explicit FakeDirectInput(std::vector<ScriptedController> controllers) : controllers_(std::move(controllers)) {}

    HRESULT CreateDevice(REFGUID instance, IDirectInputDevice8A** device, LPUNKNOWN) override
    {
        const size_t index = instance.Data1;
        Record(Call("DirectInput.CreateDevice", unsigned(index)));
        *device = nullptr;
        if (index >= controllers_.size() || controllers_[index].failCreate) return DIERR_DEVICENOTREG;
        *device = new FakeController(controllers_[index]);
        return DI_OK;
    }
    HRESULT EnumDevices(DWORD deviceClass, LPDIENUMDEVICESCALLBACKA callback, LPVOID context, DWORD flags) override
    {
        Record(Call("DirectInput.EnumDevices", name::DeviceClass(deviceClass), name::EnumFlags(flags)));
        for (size_t index = 0; index < controllers_.size(); ++index) {
            DIDEVICEINSTANCEA instance = {};
            instance.dwSize = sizeof instance;
            instance.guidInstance.Data1 = uint32_t(index);
            std::snprintf(instance.tszInstanceName, MAX_PATH, "%s", controllers_[index].name.c_str());
            if (callback(&instance, context) == DIENUM_STOP) break;
        }
        return DI_OK;
    }
    ULONG Release() override
    {
        Record("DirectInput.Release()");
        return RefCounted::Release();
    }

private:
    std::vector<ScriptedController> controllers_;
};

}  // namespace

void InstallInput(std::vector<ScriptedController> controllers)
{
    s_controllerState = ControllerState(0, 0);
    s_failReads = false;
    dinput::SetDirectInputFactory([controllers] {
        Record("DirectInput8Create()");
        return new FakeDirectInput(controllers);
    });
}

void UninstallInput() { dinput::SetDirectInputFactory(nullptr); }

void SetControllerState(const DIJOYSTATE& state) { s_controllerState = state; }
void FailControllerReads(bool fail) { s_failReads = fail; }

DIJOYSTATE ControllerState(LONG x, LONG y, std::initializer_list<int> buttons)
{
    DIJOYSTATE state = {};
    state.lX = x;
    state.lY = y;
    for (DWORD& pov : state.rgdwPOV) pov = 0xFFFFFFFF;
    for (int button : buttons) {
        if (button >= 0 && button < 32) state.rgbButtons[button] = 0x80;
    }
    return state;
}

}  // namespace fake
