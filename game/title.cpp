// Placeholder title until the game scenes land: a black frame, presented every turn.
#include "game/title.h"

#include "shell/main_loop.h"
#include "shell/startup.h"

namespace {

void TitleFrame()
{
    g_device->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, D3DCOLOR_XRGB(0, 0, 0), 1.0f, 0);
    PresentFrame();
}

}  // namespace

void EnterTitle() { g_sceneFunc = TitleFrame; }
