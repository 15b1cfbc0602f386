// The energy: earned by hits, spent on missiles and the laser, and shown counting one
// unit per frame toward its value.
#pragma once

#include <cstdint>

extern int32_t g_energy;
extern int32_t g_displayedEnergy;
// Decimal digits of g_displayedEnergy, ten-thousands first, changed only by counting.
extern int8_t g_energyDigits[5];

// Once per stage and boss frame, after the scene end, even when the scene begin failed.
void StepDisplayedEnergy();
