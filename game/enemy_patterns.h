// The seven enemy movement patterns, one per enemy type, and the switch between them.
// The stage frame calls MoveEnemy once per frame for every active enemy.
#pragma once

#include "core/game_object.h"

// One frame of the enemy's pattern, chosen by its type: it may leave the play box
// (state 0, timer 0), raise its fireFlag, or, for type 5, burst (life 0).
void MoveEnemy(GameObject& enemy);

// Type 0: leans right, swings up and right at timer 40, dives and fires at timer 80.
void MoveTurnLeft(GameObject& enemy);
// Type 1: the mirror of type 0.
void MoveTurnRight(GameObject& enemy);
// Type 2: flies down, stands and fires from timer 50 to 160, flies on.
void MoveStraightFire(GameObject& enemy);
// Type 3: flies slowly along its heading, spinning.
void MoveStraightSlowSpin(GameObject& enemy);
// Type 4: turns toward the craft while it is near.
void MoveHoming(GameObject& enemy);
// Type 5: comes toward the viewer and bursts; never leaves through the play box.
void MoveApproachExplode(GameObject& enemy);
// Type 6: flies fast along its heading.
void MoveStraightFast(GameObject& enemy);
// Any other type: creeps along its heading.
void MoveStraightCreep(GameObject& enemy);
