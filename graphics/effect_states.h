// The device states every effect quad draws under, shared by the three effect families.
#pragma once

// Lighting off, game.bmp on stage 0, the effect vertex format.
void SetEffectStates();
// The glow blend (source alpha onto destination alpha) for explosions and the flame.
void SetGlowBlend();
// Back to the standing blend and lighting after a glowing effect.
void RestoreAfterGlow();
