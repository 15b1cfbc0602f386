// The head-up display of the stage and the boss fight.
#pragma once

// Draws the frame picture, the craft's life gauge, the two labels, the shown energy, the
// missile and laser icons and the boss's life bar from what the game holds now. Called by
// the stage frame, and by the boss frame once the boss has begun to rise, between a
// successful sprite Begin and its End; leaves the standing blend set.
void DrawHud();
