// The missile manoeuvre: the craft pulls back to the launch point, fading, looses the
// eleven missiles there, waits, and flies home. The stage and boss frames call the step
// of the current phase once per frame while the craft is in play.
#pragma once

#include <cstdint>

#include "core/game_object.h"

// 0 normal control, 1 retreat, 2 return. The player control starts a manoeuvre; the
// stage frame's Space reset ends one.
extern uint8_t g_missilePhase;
// Calls of UpdateMissileReturn since the return began; cleared only at a return's end.
extern uint8_t g_missileReturnWait;

// One step of the retreat toward (0, -10, -18); there, every missile is launched.
void UpdateMissileRetreat(GameObject& player);
// One step of the return: 20 calls of waiting, then back to (0, -10.8, 0).
void UpdateMissileReturn(GameObject& player);
