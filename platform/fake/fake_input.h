// A recording DirectInput with scripted game controllers, for the cases SDL's virtual
// joysticks cannot make (a controller that opens but cannot tell its capabilities).
#pragma once

#include <initializer_list>
#include <string>
#include <vector>

#include "dinput.h"

namespace fake {

struct ScriptedController {
    std::string name;
    bool failCreate = false;
    bool failCapabilities = false;
    int axes = 2;
};

// Installs the stand-in behind DirectInput8Create with these controllers, in this order.
// Their state reads as centred with nothing pressed until a test sets it.
void InstallInput(std::vector<ScriptedController> controllers);
void UninstallInput();
// What every controller's next reads give: this state, or a lost device.
void SetControllerState(const DIJOYSTATE& state);
void FailControllerReads(bool fail);
// A state with the stick at (x, y) in the game's range -1000 .. 1000, the hats centred and
// the listed buttons (0 to 31) held.
DIJOYSTATE ControllerState(LONG x, LONG y, std::initializer_list<int> buttons = {});

}  // namespace fake
