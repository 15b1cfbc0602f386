// The two hit tests of the game: sphere against sphere, and a short ray from one object
// against another's mesh. Called by the stage and boss frames and the enemy shots.
#pragma once

#include "core/game_object.h"

// 1 when the collision spheres, centred on the objects' pos, overlap (touching is not
// enough), else 0.
int HitSpheres(const GameObject& a, const GameObject& b);

// 1 when the ray from mover.pos + offset along delta meets target's mesh, else 0; a null
// mesh never meets. On a hit, *distance is the nearest one in units of delta's length,
// also beyond the ray's end; on a miss it is left as it was.
int HitRayMesh(const GameObject& mover, D3DXVECTOR3 offset, D3DXVECTOR3 delta, const GameObject& target,
               float* distance);
