// The boss fight's entry. Until the boss scene is built it shows a plain frame; the boss
// scene replaces this file.
#include "game/boss.h"

#include "core/globals.h"
#include "core/scene.h"

namespace {

void BossFrame()
{
    g_device->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, D3DCOLOR_XRGB(0, 0, 0), 1.0f, 0);
    PresentFrame();
}

}  // namespace

void EnterBossPhase()
{
    g_sceneFunc = BossFrame;
}
