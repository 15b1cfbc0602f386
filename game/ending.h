// The ending: the craft turning and pulsing before the stage camera, and the staff roll,
// until the program ends.
#pragma once

// Change of the craft's alpha per frame; its sign flips at 0 and at 1.
extern float g_endingAlphaStep;

// Places the craft, starts the ending tune and stores EndingFrame. Called directly by the
// stage frame when the craft's death spin ends, or through the scene pointer after the
// boss's burst.
void EnterEnding();
// One ending frame; no key but Escape (the window's) has any effect.
void EndingFrame();
// Turns and pulses the craft and draws it; between the scene's begin and end.
void UpdateEndingModel();
