// DirectInput8Create, the identifiers and the standard joystick format.
#include "direct_input.h"

#include <cstddef>

const IID IID_IDirectInput8A = {0xBF798030, 0x483A, 0x4DA2, {0xAA, 0x99, 0x5D, 0x64, 0xED, 0x36, 0x97, 0x00}};
const GUID GUID_XAxis = {0xA36D02E0, 0xC9F3, 0x11CF, {0xBF, 0xC7, 0x44, 0x45, 0x53, 0x54, 0x00, 0x00}};
const GUID GUID_YAxis = {0xA36D02E1, 0xC9F3, 0x11CF, {0xBF, 0xC7, 0x44, 0x45, 0x53, 0x54, 0x00, 0x00}};
const GUID GUID_ZAxis = {0xA36D02E2, 0xC9F3, 0x11CF, {0xBF, 0xC7, 0x44, 0x45, 0x53, 0x54, 0x00, 0x00}};
const GUID GUID_RxAxis = {0xA36D02F4, 0xC9F3, 0x11CF, {0xBF, 0xC7, 0x44, 0x45, 0x53, 0x54, 0x00, 0x00}};
const GUID GUID_RyAxis = {0xA36D02F5, 0xC9F3, 0x11CF, {0xBF, 0xC7, 0x44, 0x45, 0x53, 0x54, 0x00, 0x00}};
const GUID GUID_RzAxis = {0xA36D02E3, 0xC9F3, 0x11CF, {0xBF, 0xC7, 0x44, 0x45, 0x53, 0x54, 0x00, 0x00}};
const GUID GUID_Slider = {0xA36D02E4, 0xC9F3, 0x11CF, {0xBF, 0xC7, 0x44, 0x45, 0x53, 0x54, 0x00, 0x00}};
const GUID DIPROP_RANGE = {4, 0, 0, {0, 0, 0, 0, 0, 0, 0, 0}};
const GUID DIPROP_AXISMODE = {2, 0, 0, {0, 0, 0, 0, 0, 0, 0, 0}};

const DIDATAFORMAT c_dfDIJoystick = {24, 16, DIDFT_ABSAXIS, sizeof(DIJOYSTATE), 44};

namespace dinput {

namespace {
DirectInputFactory& Factory()
{
    static DirectInputFactory factory;
    return factory;
}
}  // namespace

void SetDirectInputFactory(DirectInputFactory factory) { Factory() = std::move(factory); }

}  // namespace dinput

HRESULT WINAPI DirectInput8Create(HINSTANCE, DWORD version, REFIID iid, LPVOID* object, LPUNKNOWN outer)
{
    if (!object) return DIERR_INVALIDPARAM;
    *object = nullptr;
    if (outer) return CLASS_E_NOAGGREGATION;
    if (version != DIRECTINPUT_VERSION || iid != IID_IDirectInput8A) return DIERR_NOINTERFACE;
    if (!dinput::Factory()) return DIERR_NOTINITIALIZED;
    IDirectInput8A* directInput = dinput::Factory()();
    if (!directInput) return DIERR_NOTINITIALIZED;
    *object = directInput;
    return DI_OK;
}
