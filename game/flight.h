// How every mover of the play area flies: a step along its heading and the play box it
// must stay in. Shared by the enemy patterns, the projectiles and the hit tests.
#pragma once

#include "d3dx9.h"

// Degrees to radians as every heading's matrix is built, and radians back to degrees.
constexpr float kRadiansPerDegree = 0.017453292f;
constexpr double kDegreesPerRadian = 57.29577791868205;

// The speed vector (0, speed, 0) turned by the heading (degrees about Z): heading 0 keeps
// it on the y axis, a positive heading leans a negative speed toward larger x.
D3DXVECTOR3 HeadingStep(float heading, float speed);

// x from -14 to 14 and y from -13 to 21, the edges inside; z is not looked at.
bool OutsidePlayBox(const D3DXVECTOR3& pos);
