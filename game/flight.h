// How every mover of the play area flies: a step along its heading, the heading that
// points at the craft, and the play box it must stay in. Shared by the enemy patterns,
// the enemy attacks, the projectiles and the boss fight.
#pragma once

#include "d3dx9.h"

// Degrees to radians as every heading's matrix is built, and radians back to degrees.
constexpr float kRadiansPerDegree = 0.017453292f;
constexpr double kDegreesPerRadian = 57.29577791868205;

// The speed vector (0, speed, 0) turned by the heading (degrees about Z): heading 0 keeps
// it on the y axis, a positive heading leans a negative speed toward larger x.
D3DXVECTOR3 HeadingStep(float heading, float speed);

// Degrees (0 to 180) between straight down the screen and a unit direction; a zero
// direction gives 90.
double DegreesFromDown(const D3DXVECTOR3& direction);
// The heading (degrees) that sends a mover from `from` straight at `to`: negative when
// `to` lies at smaller x.
double AimHeading(const D3DXVECTOR3& from, const D3DXVECTOR3& to);

// x from -14 to 14 and y from -13 to 21, the edges inside; z is not looked at.
bool OutsidePlayBox(const D3DXVECTOR3& pos);
