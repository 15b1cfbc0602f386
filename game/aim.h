// The heading that points a mover at a target: degrees about z, 0 straight down the screen.
#pragma once

#include "d3dx9.h"

float AimHeading(const D3DXVECTOR3& from, const D3DXVECTOR3& to);
