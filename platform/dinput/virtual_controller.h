// A game controller driven from outside the process, for unattended runs of the real game:
// with the environment variable VELTRANE_VIRTUAL_CONTROLLER naming a file, SDL gets a
// virtual controller of two axes and four buttons, and each read of it takes its state
// from that file's first line: "x y buttons", the axes in SDL's range -32768 .. 32767 and
// the buttons a bit mask (bit 0 is button 0). A file that is missing or unreadable leaves
// the state as it was. Unset, nothing is attached.
#pragma once

namespace dinput {

// After SDL's joystick subsystem is up and before the controllers are enumerated.
void AttachVirtualController();
// Before SDL's joystick subsystem goes down.
void DetachVirtualController();
// Before SDL updates its joysticks for a read.
void FeedVirtualController();

}  // namespace dinput
