// Install and Uninstall: the one list of the stand-ins.
#include "fake.h"

#include "call_log.h"
#include "fake_d3d9_state.h"
#include "fake_input.h"
#include "fake_loads.h"
#include "fake_sound.h"
#include "fake_sprite.h"
#include "fake_win32.h"

namespace fake {

void Install()
{
    ClearCalls();
    InstallWindowSystem();
    InstallDirectSound();
    InstallDirect3D();
    InstallSprite();
    InstallLoadRecorder();
    InstallInput({});  // the game finds no controller unless a test scripts some
    InstallMusic();
}

void Uninstall()
{
    UninstallMusic();
    UninstallInput();
    UninstallLoadRecorder();
    UninstallSprite();
    UninstallDirect3D();
    UninstallDirectSound();
    UninstallWindowSystem();
}

}  // namespace fake
