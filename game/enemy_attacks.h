// The two enemy volleys, placed in the free slots of the enemy-shot pool: an aimed spread
// of three (types 0 and 1) and a ring of twelve (type 2). The stage frame fires them
// when an enemy's fire counter reaches its interval.
#pragma once

#include "core/game_object.h"

// Up to three aimed shots from the shooter's position: 10 degrees right of the target,
// at it, and 10 degrees left, in that order. pool holds 50 slots.
void FireAimedSpread(GameObject target, GameObject shooter, GameObject* pool);
// Up to twelve ring shots from the shooter's position at headings 0, 30, ..., 330. The
// player is passed but not looked at.
void FireRing(GameObject player, GameObject* shooter, GameObject* pool);
