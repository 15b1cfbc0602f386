// The Direct3D object stand-in, the Direct3D scripts, and the area's install.
#include "call_log.h"
#include "call_names.h"
#include "direct3d.h"
#include "fake_d3d9_state.h"
#include "fake_device.h"

namespace fake {

namespace d3d {

Script& TheScript()
{
    static Script script;
    return script;
}

DeviceState& TheDevice()
{
    static DeviceState device;
    return device;
}

LiveObjects& TheLive()
{
    static LiveObjects live;
    return live;
}

}  // namespace d3d

namespace {

class FakeDirect3D : public com::RefCounted<IDirect3D9> {
public:
    FakeDirect3D() { ++d3d::TheLive().direct3d; }
    ~FakeDirect3D() override { --d3d::TheLive().direct3d; }

    ULONG Release() override
    {
        Record(Call("Direct3D.Release"));
        return RefCounted::Release();
    }

    HRESULT GetAdapterDisplayMode(UINT adapter, D3DDISPLAYMODE* mode) override
    {
        Record(Call("GetAdapterDisplayMode", adapter));
        if (adapter != D3DADAPTER_DEFAULT || !mode) return D3DERR_INVALIDCALL;
        *mode = d3d::TheScript().displayMode;
        return D3D_OK;
    }

    HRESULT CreateDevice(UINT adapter, D3DDEVTYPE type, HWND focusWindow, DWORD behaviourFlags,
                         D3DPRESENT_PARAMETERS* params, IDirect3DDevice9** device) override
    {
        if (params)
            Record(Call("CreateDevice", adapter, name::DeviceType(type), focusWindow, name::Behaviour(behaviourFlags),
                        name::PresentParams(*params)));
        else
            Record(Call("CreateDevice", adapter, name::DeviceType(type), focusWindow, name::Behaviour(behaviourFlags),
                        nullptr));
        const int attempt = ++d3d::TheScript().createAttempts;
        if (!device) return D3DERR_INVALIDCALL;
        *device = nullptr;
        if (!params || adapter != D3DADAPTER_DEFAULT) return D3DERR_INVALIDCALL;
        if (d3d::TheScript().failedCreateAttempts.count(attempt)) return D3DERR_NOTAVAILABLE;
        *device = new FakeDevice(*params);
        return D3D_OK;
    }
};

IDirect3D9* CreateDirect3D()
{
    // Only reached with the right SDK version: Direct3DCreate9 refuses any other first.
    Record(Call("Direct3DCreate9", D3D_SDK_VERSION));
    return d3d::TheScript().failDirect3DCreate ? nullptr : new FakeDirect3D;
}

}  // namespace

void InstallDirect3D()
{
    d3d::TheScript() = {};
    d3d::TheDevice() = {};
    d3d::TheLive() = {};
    d3d::ForgetLabels();
    d3d9::SetDirect3DFactory(CreateDirect3D);
}

void UninstallDirect3D() { d3d9::SetDirect3DFactory({}); }

void SetDisplayMode(const D3DDISPLAYMODE& mode) { d3d::TheScript().displayMode = mode; }
void FailDirect3DCreate() { d3d::TheScript().failDirect3DCreate = true; }
void FailCreateDevice(std::initializer_list<int> attempts)
{
    d3d::TheScript().failedCreateAttempts.insert(attempts);
}
void FailBeginScene(std::initializer_list<int> frames) { d3d::TheScript().failedBeginScenes.insert(frames); }
void FailPresent(std::initializer_list<int> frames) { d3d::TheScript().failedPresents.insert(frames); }
void FailEveryPresent() { d3d::TheScript().failEveryPresent = true; }
void SetPresentHook(PresentHook hook) { d3d::TheScript().presentHook = std::move(hook); }

int Frame() { return d3d::TheScript().frame; }
const DeviceState& Device() { return d3d::TheDevice(); }
const LiveObjects& Live() { return d3d::TheLive(); }

}  // namespace fake
