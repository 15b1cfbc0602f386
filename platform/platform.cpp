// The real platform: one list of its services, in the order the game's start-up first
// reaches them.
#include "platform.h"

#include <SDL.h>

#include "audio_device.h"
#include "direct3d.h"
#include "direct_input.h"
#include "direct_sound.h"
#include "gl_direct3d.h"
#include "load_observer.h"
#include "music_classes.h"
#include "sdl_system.h"
#include "sprite_factory.h"

namespace platform {

void UseRealPlatform()
{
    win32::Install(std::make_unique<win32::SdlSystem>());
    dsound::SetDirectSoundFactory(dsound::CreateDeviceDirectSound);
    d3d9::SetDirect3DFactory(d3d9::CreateGlDirect3D);
    d3dx9::SetSpriteFactory({});  // the real sprite, drawn through the device
    d3dx9::SetLoadObserver(nullptr);
    dinput::SetDirectInputFactory(dinput::CreateSdlDirectInput);
    // Tunes mix into the same SDL audio device as the effects.
    dmusic::RegisterClasses(dsound::AcquireDeviceMixer, dmusic::kSoundFontPath);
}

void ShutdownRealPlatform()
{
    win32::Install(nullptr);
    SDL_Quit();
}

}  // namespace platform
