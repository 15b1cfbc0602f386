#include "game/aim.h"

#include <algorithm>
#include <cmath>

float AimHeading(const D3DXVECTOR3& from, const D3DXVECTOR3& to)
{
    D3DXVECTOR3 difference = to - from;
    D3DXVECTOR3 direction;
    D3DXVec3Normalize(&direction, &difference);
    const D3DXVECTOR3 down(0.0f, -1.0f, 0.0f);
    // Rounding can push a unit vector's dot product just past 1, where acos gives NaN.
    double cosine = std::clamp(double(D3DXVec3Dot(&direction, &down)), -1.0, 1.0);
    double heading = std::acos(cosine);
    if (direction.x < 0.0f) heading = -heading;
    return float(heading * 57.29577791868205);
}
