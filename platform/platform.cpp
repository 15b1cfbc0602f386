// The real platform, service by service.
#include "platform.h"

#include <SDL.h>

#include "d3d9/direct3d.h"
#include "d3d9/gl_direct3d.h"
#include "dinput/direct_input.h"
#include "dmusic/music_classes.h"
#include "win32/sdl_system.h"

namespace platform {

void UseRealPlatform()
{
    win32::Install(std::make_unique<win32::SdlSystem>());
    d3d9::SetDirect3DFactory(d3d9::CreateGlDirect3D);
    dmusic::InstallRealAudio();
    dinput::UseSdlJoysticks();
}

void ShutdownRealPlatform()
{
    win32::Install(nullptr);
    SDL_Quit();
}

}  // namespace platform
