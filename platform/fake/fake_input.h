// A recording DirectInput with scripted game controllers, for the cases SDL's virtual
// joysticks cannot make (a controller that opens but cannot tell its capabilities).
#pragma once

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
void InstallInput(std::vector<ScriptedController> controllers);
void UninstallInput();

}  // namespace fake
