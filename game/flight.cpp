// Heading steps and the play box.
#include "game/flight.h"

D3DXVECTOR3 HeadingStep(float heading, float speed)
{
    D3DXMATRIXA16 turn;
    D3DXMatrixRotationZ(&turn, heading * kRadiansPerDegree);
    const D3DXVECTOR3 step(0.0f, speed, 0.0f);
    D3DXVECTOR3 turned;
    D3DXVec3TransformCoord(&turned, &step, &turn);
    return turned;
}

bool OutsidePlayBox(const D3DXVECTOR3& pos)
{
    return pos.y < -13.0f || pos.y > 21.0f || pos.x > 14.0f || pos.x < -14.0f;
}
