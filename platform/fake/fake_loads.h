// Records the file loads of D3DX, which still do their real work on the device stand-in.
#pragma once

#include "load_observer.h"

namespace fake {

class LoadRecorder : public d3dx9::LoadObserver {
public:
    void TextureFromFileEx(LPCSTR file, UINT width, UINT height, UINT mipLevels, DWORD usage, D3DFORMAT format,
                           D3DPOOL pool, DWORD filter, DWORD mipFilter, D3DCOLOR colourKey) override;
    void TextureFromFile(LPCSTR file) override;
    void MeshFromX(LPCSTR file, DWORD options) override;
};

}  // namespace fake
