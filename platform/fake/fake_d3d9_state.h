// What the Direct3D stand-ins share among their files: the scripts, the frame counter,
// the device state, the live-object counts and the object labels.
#pragma once

#include <set>

#include "fake_d3d9.h"

namespace fake {

// The Direct3D stand-in in place, with empty scripts, state and labels; and none.
void InstallDirect3D();
void UninstallDirect3D();

}  // namespace fake

namespace fake::d3d {

struct Script {
    D3DDISPLAYMODE displayMode = {1024, 768, 60, D3DFMT_X8R8G8B8};
    bool failDirect3DCreate = false;
    std::set<int> failedCreateAttempts;
    std::set<int> failedBeginScenes;
    std::set<int> failedPresents;
    bool failEveryPresent = false;
    PresentHook presentHook;
    int createAttempts = 0;
    int frame = 0;
};

Script& TheScript();
DeviceState& TheDevice();
LiveObjects& TheLive();

// "vb1", "ib2", ...: the label of a buffer, given on first sight; "null" for none.
std::string BufferLabel(const IDirect3DVertexBuffer9* buffer);
std::string BufferLabel(const IDirect3DIndexBuffer9* buffer);
// A freed object's label goes, so that a new object at the same address gets its own.
void ForgetLabel(const void* object);
void ForgetLabels();

}  // namespace fake::d3d
