// The texture and mesh loaders of D3DX do the real work on the device stand-in; the call
// record gets their calls with the arguments the game gave.
#include "fake_loads.h"

#include "call_log.h"
#include "call_names.h"
#include "load_observer.h"

namespace fake {

namespace {

class LoadRecorder : public d3dx9::LoadObserver {
public:
    void TextureFromFileEx(LPCSTR file, UINT width, UINT height, UINT mipLevels, DWORD usage, D3DFORMAT format,
                           D3DPOOL pool, DWORD filter, DWORD mipFilter, D3DCOLOR colourKey) override
    {
        Record(Call("D3DXCreateTextureFromFileExA", file, name::Size(width), name::Size(height),
                    name::Size(mipLevels), name::Usage(usage), name::Format(format), name::Pool(pool),
                    name::Filter(filter), name::Filter(mipFilter), Hex{colourKey}));
    }

    void TextureFromFile(LPCSTR file) override { Record(Call("D3DXCreateTextureFromFileA", file)); }

    void MeshFromX(LPCSTR file, DWORD options) override
    {
        Record(Call("D3DXLoadMeshFromXA", file, name::MeshOptions(options)));
    }
};

LoadRecorder g_loadRecorder;

}  // namespace

void InstallLoadRecorder() { d3dx9::SetLoadObserver(&g_loadRecorder); }
void UninstallLoadRecorder() { d3dx9::SetLoadObserver(nullptr); }

}  // namespace fake
