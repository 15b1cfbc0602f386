// Direct3D over OpenGL. Device types map onto OpenGL contexts: the hardware device, with
// either vertex processing, is a context on the system's driver; the reference device is
// one on Mesa's software rasteriser.
#include "gl_direct3d.h"

#include <SDL.h>

#include "gl_device.h"

namespace d3d9 {

namespace {

class GlDirect3D : public com::RefCounted<IDirect3D9> {
public:
    GlDirect3D() { videoReady_ = SDL_InitSubSystem(SDL_INIT_VIDEO) == 0; }
    ~GlDirect3D() override
    {
        if (videoReady_) SDL_QuitSubSystem(SDL_INIT_VIDEO);
    }
    bool Ready() const { return videoReady_; }

    HRESULT GetAdapterDisplayMode(UINT adapter, D3DDISPLAYMODE* mode) override
    {
        SDL_DisplayMode desktop = {};
        if (adapter != D3DADAPTER_DEFAULT || !mode || SDL_GetDesktopDisplayMode(0, &desktop) != 0)
            return D3DERR_INVALIDCALL;
        mode->Width = UINT(desktop.w);
        mode->Height = UINT(desktop.h);
        mode->RefreshRate = UINT(desktop.refresh_rate);
        switch (SDL_BITSPERPIXEL(desktop.format)) {
        case 15:
            mode->Format = D3DFMT_X1R5G5B5;
            break;
        case 16:
            mode->Format = D3DFMT_R5G6B5;
            break;
        default:
            mode->Format = D3DFMT_X8R8G8B8;
            break;
        }
        return D3D_OK;
    }

    HRESULT CreateDevice(UINT adapter, D3DDEVTYPE type, HWND focusWindow, DWORD behaviourFlags,
                         D3DPRESENT_PARAMETERS* params, IDirect3DDevice9** device) override
    {
        if (!device) return D3DERR_INVALIDCALL;
        *device = nullptr;
        constexpr DWORD kVertexProcessing = D3DCREATE_SOFTWARE_VERTEXPROCESSING |
                                            D3DCREATE_HARDWARE_VERTEXPROCESSING | D3DCREATE_MIXED_VERTEXPROCESSING;
        const DWORD processing = behaviourFlags & kVertexProcessing;
        const bool oneProcessing = processing != 0 && (processing & (processing - 1)) == 0;
        if (adapter != D3DADAPTER_DEFAULT || !params || !oneProcessing) return D3DERR_INVALIDCALL;
        if (type != D3DDEVTYPE_HAL && type != D3DDEVTYPE_REF) return D3DERR_NOTAVAILABLE;
        HWND window = params->hDeviceWindow ? params->hDeviceWindow : focusWindow;
        GlDevice* made = GlDevice::Create(window, *params, type == D3DDEVTYPE_REF);
        if (!made) return D3DERR_NOTAVAILABLE;
        *device = made;
        return D3D_OK;
    }

private:
    bool videoReady_ = false;
};

}  // namespace

IDirect3D9* CreateGlDirect3D()
{
    auto* direct3d = new GlDirect3D;
    if (direct3d->Ready()) return direct3d;
    direct3d->Release();
    return nullptr;
}

}  // namespace d3d9
