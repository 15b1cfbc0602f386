// The texture and mesh loaders of D3DX do the real work on the device stand-in; the call
// record gets their calls with the arguments the game gave.
#include "fake_loads.h"

#include "call_log.h"
#include "call_names.h"
#include "fake.h"

namespace fake {

void LoadRecorder::TextureFromFileEx(LPCSTR file, UINT width, UINT height, UINT mipLevels, DWORD usage,
                                     D3DFORMAT format, D3DPOOL pool, DWORD filter, DWORD mipFilter,
                                     D3DCOLOR colourKey)
{
    Record(Call("D3DXCreateTextureFromFileExA", file, name::Size(width), name::Size(height), name::Size(mipLevels),
                name::Usage(usage), name::Format(format), name::Pool(pool), name::Filter(filter),
                name::Filter(mipFilter), Hex{colourKey}));
}

void LoadRecorder::TextureFromFile(LPCSTR file) { Record(Call("D3DXCreateTextureFromFileA", file)); }

void LoadRecorder::MeshFromX(LPCSTR file, DWORD options)
{
    Record(Call("D3DXLoadMeshFromXA", file, name::MeshOptions(options)));
}

}  // namespace fake

namespace fake {

namespace {
LoadRecorder g_loadRecorder;
void InstallLoadObserver() { d3dx9::SetLoadObserver(&g_loadRecorder); }
void UninstallLoadObserver() { d3dx9::SetLoadObserver(nullptr); }
[[maybe_unused]] const bool kJoined = AddStandIn({"loads", InstallLoadObserver, UninstallLoadObserver});
}  // namespace

}  // namespace fake
