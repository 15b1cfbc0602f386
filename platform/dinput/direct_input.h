// Which DirectInput DirectInput8Create hands out: SDL's joysticks, or a test stand-in.
#pragma once

#include <functional>

#include "dinput.h"

namespace dinput {

using DirectInputFactory = std::function<IDirectInput8A*()>;
void SetDirectInputFactory(DirectInputFactory factory);

// The real one: every joystick SDL sees, in SDL's order.
IDirectInput8A* CreateSdlDirectInput();

}  // namespace dinput
