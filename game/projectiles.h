// One frame of flight of every projectile: the enemies' aimed and ring shots, the
// player's shots and missiles, and the boss's bombs. The stage and boss frames call these
// for the slots in flight; each draws, moves and retires its projectile.
#pragma once

#include <cstdint>

#include "core/game_object.h"

// An aimed enemy shot (state 1): flies 0.2 a frame, takes 2 of the craft's life silently.
void UpdateEnemyShot(GameObject* shot);
// A ring shot (state 2): loops tightly for 60 frames, then curves slowly; a hit on the
// craft takes 2 of its life with the damage sound.
void UpdateRingShot(GameObject* shot);
// A player's shot: climbs 0.3 a frame.
void UpdatePlayerShot(GameObject* shot);
// Missile i (0 to 10) of the fan: steers to its point of the row at y -8, then climbs.
void UpdateMissile(GameObject* missile, int32_t i);
// The k-th falling bomb of this frame, counted from 0, falls 0.05 (k + 1) a frame, tumbling.
void UpdateBossBomb(GameObject* bomb, int32_t k);
