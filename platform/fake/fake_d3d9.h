// The Direct3D 9 stand-in: a Direct3D object and a device that record every call, keep
// the state the game set, hand out memory textures and buffers, and fail where a test
// scripts it. Frames are counted by Present calls: frame k is the one presented by the
// (k+1)-th Present, so the first frame is 0.
#pragma once

#include <functional>
#include <initializer_list>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "d3d9.h"

namespace fake {

// Scripts, forgotten by Install.
// What GetAdapterDisplayMode reports; 1024 by 768, 60 Hz, D3DFMT_X8R8G8B8 unless set.
void SetDisplayMode(const D3DDISPLAYMODE& mode);
// Direct3DCreate9 hands out nothing.
void FailDirect3DCreate();
// CreateDevice fails on these attempts, counted from 1 since Install.
void FailCreateDevice(std::initializer_list<int> attempts);
void FailBeginScene(std::initializer_list<int> frames);
void FailPresent(std::initializer_list<int> frames);
void FailEveryPresent();
// Runs inside every Present with the number of the frame being presented, after the call
// is recorded; Frame() already counts that Present. A test drives the game from here:
// keys, posted messages, the quit message.
using PresentHook = std::function<void(int frame)>;
void SetPresentHook(PresentHook hook);

// Present calls so far.
int Frame();

// What the device holds now; kept after the device is released, until the next Install.
// Unset states read as Direct3D's defaults.
struct DeviceState {
    bool created = false;
    D3DPRESENT_PARAMETERS params = {};  // as CreateDevice, or the last Reset, got them
    std::map<D3DRENDERSTATETYPE, DWORD> renderStates;
    std::map<std::pair<DWORD, D3DTEXTURESTAGESTATETYPE>, DWORD> stageStates;
    std::map<std::pair<DWORD, D3DSAMPLERSTATETYPE>, DWORD> samplerStates;
    std::map<D3DTRANSFORMSTATETYPE, D3DMATRIX> transforms;
    D3DMATERIAL9 material = {};
    std::map<DWORD, D3DLIGHT9> lights;
    std::map<DWORD, bool> lightsEnabled;
    // Not counted references; a texture of this device unbinds itself when freed.
    std::map<DWORD, IDirect3DBaseTexture9*> textures;
    DWORD fvf = 0;
    // The vertices of the last DrawPrimitiveUP, as the game passed them.
    std::vector<uint8_t> lastVertices;

    DWORD RenderState(D3DRENDERSTATETYPE state) const;
    DWORD StageState(DWORD stage, D3DTEXTURESTAGESTATETYPE type) const;
    DWORD SamplerState(DWORD sampler, D3DSAMPLERSTATETYPE type) const;
    D3DMATRIX Transform(D3DTRANSFORMSTATETYPE type) const;  // identity until set
    // The label (see TextureLabel) of the texture on the stage.
    std::string Texture(DWORD stage) const;
};
const DeviceState& Device();

// Objects of the stand-ins not yet freed, so a test can see the game release everything.
struct LiveObjects {
    int direct3d = 0;
    int devices = 0;
    int textures = 0;
    int vertexBuffers = 0;
    int indexBuffers = 0;
    int sprites = 0;
};
const LiveObjects& Live();

// How the records name a texture: "null", the name a test gave it, or "tex1", "tex2", ...
// in the order the stand-ins first saw them (a texture the device made: its creation).
std::string TextureLabel(const IDirect3DBaseTexture9* texture);
// Gives a texture a readable name in the records from now on, such as "Title".
void NameTexture(const IDirect3DBaseTexture9* texture, const std::string& name);

}  // namespace fake
