// A plain stage until the stage scene exists: the stage scene replaces this file with its
// entry, camera and frame.
#include "game/stage.h"

#include "core/globals.h"
#include "core/scene.h"

namespace {

void StageFrame()
{
    g_device->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, D3DCOLOR_XRGB(0, 0, 0), 1.0f, 0);
    PresentFrame();
}

}  // namespace

void EnterStage() { g_sceneFunc = StageFrame; }
