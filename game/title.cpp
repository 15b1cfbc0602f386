// The title scene's entry, and until the title picture is built a black frame in its place.
#include "game/title.h"

#include "audio/music.h"
#include "core/globals.h"
#include "core/scene.h"

namespace {

void TitleFrame()
{
    g_device->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, D3DCOLOR_XRGB(0, 0, 0), 1.0f, 0);
    PresentFrame();
}

}  // namespace

void EnterTitle()
{
    PlayMidi("title.mid", 0, 1);  // no tune plays before it, so nothing to stop
    g_sceneFunc = TitleFrame;
}
