// Heading steps, aiming and the play box.
#include "game/flight.h"

#include <algorithm>
#include <cmath>

D3DXVECTOR3 HeadingStep(float heading, float speed)
{
    D3DXMATRIXA16 turn;
    D3DXMatrixRotationZ(&turn, heading * kRadiansPerDegree);
    const D3DXVECTOR3 step(0.0f, speed, 0.0f);
    D3DXVECTOR3 turned;
    D3DXVec3TransformCoord(&turned, &step, &turn);
    return turned;
}

double DegreesFromDown(const D3DXVECTOR3& direction)
{
    const D3DXVECTOR3 down(0.0f, -1.0f, 0.0f);
    // A normalised vector can come out a hair longer than 1, and acos of that is NaN.
    const double cosine = std::clamp(double(D3DXVec3Dot(&direction, &down)), -1.0, 1.0);
    return std::acos(cosine) * kDegreesPerRadian;
}

double AimHeading(const D3DXVECTOR3& from, const D3DXVECTOR3& to)
{
    const D3DXVECTOR3 difference = to - from;
    D3DXVECTOR3 direction;
    D3DXVec3Normalize(&direction, &difference);
    const double degrees = DegreesFromDown(direction);
    return direction.x < 0.0f ? -degrees : degrees;
}

bool OutsidePlayBox(const D3DXVECTOR3& pos)
{
    return pos.y < -13.0f || pos.y > 21.0f || pos.x > 14.0f || pos.x < -14.0f;
}
