// What the real game does when its X server goes away.
#pragma once

namespace win32 {

// From now on, a lost connection to the X server ends the process at once (exit code 1).
void EndOnLostDisplay();

}  // namespace win32
