// Direct3DCreate9 and the choice of implementation behind it.
#include "direct3d.h"

namespace d3d9 {

namespace {
Direct3DFactory& Factory()
{
    static Direct3DFactory factory;
    return factory;
}
}  // namespace

void SetDirect3DFactory(Direct3DFactory factory) { Factory() = std::move(factory); }

}  // namespace d3d9

IDirect3D9* WINAPI Direct3DCreate9(UINT sdkVersion)
{
    // Like the runtime, refuse headers of another SDK version.
    if (sdkVersion != D3D_SDK_VERSION || !d3d9::Factory()) return nullptr;
    return d3d9::Factory()();
}
