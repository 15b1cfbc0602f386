// The warning sign and the siren that announce the boss at the stage's end.
#pragma once

#include <cstdint>

constexpr float kWarningStart = 5500.0f;  // stage timer from which both run

extern int32_t g_warningAlpha;  // 0 to 255
extern int32_t g_warningStep;   // +3 or -3, turned at each end of the range
extern int32_t g_sirenCounter;  // stage frames 0 to 49, then 0 again

// One pulse step of the sign; called between the sprite's Begin and End.
void DrawWarningSign();
// Every stage frame, after the timer step: a siren every 50 frames past the warning time.
void SoundSiren(float stageTimer);
