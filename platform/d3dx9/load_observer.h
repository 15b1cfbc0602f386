// Lets the test stand-ins watch the file loads of D3DX (textures and meshes) with the
// arguments the game gave, while the real loaders still do the work.
#pragma once

#include "d3dx9.h"

namespace d3dx9 {

class LoadObserver {
public:
    virtual ~LoadObserver() = default;
    virtual void TextureFromFileEx(LPCSTR file, UINT width, UINT height, UINT mipLevels, DWORD usage,
                                   D3DFORMAT format, D3DPOOL pool, DWORD filter, DWORD mipFilter,
                                   D3DCOLOR colourKey) = 0;
    virtual void TextureFromFile(LPCSTR file) = 0;
    virtual void MeshFromX(LPCSTR file, DWORD options) = 0;
};

// Not owned; null when nobody watches.
void SetLoadObserver(LoadObserver* observer);
LoadObserver* TheLoadObserver();

}  // namespace d3dx9
