// The enemy movement patterns. Headings are degrees in rot.z; an enemy's timer counts
// 0.5 per frame from its entry, and the turns fire on its exact values.
#include "game/enemy_patterns.h"

#include <algorithm>
#include <cmath>

#include "core/game_world.h"
#include "game/flight.h"
#include "graphics/effects.h"

namespace {

// Enemies fly "down" their heading: heading 0 goes toward -y.
void StepAlongHeading(GameObject& enemy, float speed)
{
    enemy.pos += HeadingStep(enemy.rot.z, -speed);
}

// Last step of every pattern but type 5: an enemy that has left is retired where it stopped.
void RetireOutsideBox(GameObject& enemy)
{
    if (OutsidePlayBox(enemy.pos)) {
        enemy.state = 0;
        enemy.timer = 0.0f;
    }
}

// Types 0 and 1: the lean before timer 40, the held swing between 40 and 50 (both
// ends excluded), the dive at exactly 80 and a slow turn back otherwise.
void Turn(GameObject& enemy, float lean, float swing)
{
    const float t = enemy.timer;
    if (t < 40.0f) {
        enemy.rot.z += lean;
    } else if (t > 40.0f && t < 50.0f) {
        enemy.rot.z = swing;
    } else if (t == 80.0f) {
        enemy.rot.z = 0.0f;
        enemy.fireFlag = 1;
    } else {
        enemy.rot.z -= lean;
    }
    StepAlongHeading(enemy, 0.1f);
    enemy.timer += 0.5f;
    RetireOutsideBox(enemy);
}

// Degrees between straight down and the unit direction, 0 to 180, whichever side it lies.
double DegreesFromDown(const D3DXVECTOR3& direction)
{
    const D3DXVECTOR3 down(0.0f, -1.0f, 0.0f);
    // A normalised vector can come out a hair longer than 1, and acos of that is NaN.
    return std::acos(std::clamp(double(D3DXVec3Dot(&direction, &down)), -1.0, 1.0)) * kDegreesPerRadian;
}

}  // namespace

void MoveEnemy(GameObject& enemy)
{
    switch (enemy.type) {
    case 0: MoveTurnLeft(enemy); break;
    case 1: MoveTurnRight(enemy); break;
    case 2: MoveStraightFire(enemy); break;
    case 3: MoveStraightSlowSpin(enemy); break;
    case 4: MoveHoming(enemy); break;
    case 5: MoveApproachExplode(enemy); break;
    case 6: MoveStraightFast(enemy); break;
    default: MoveStraightCreep(enemy); break;
    }
}

void MoveTurnLeft(GameObject& enemy) { Turn(enemy, 0.2f, 135.0f); }

void MoveTurnRight(GameObject& enemy) { Turn(enemy, -0.2f, 225.0f); }

void MoveStraightFire(GameObject& enemy)
{
    float speed = 0.1f;
    if (enemy.timer >= 50.0f && enemy.timer < 160.0f) {
        speed = 0.0f;
        enemy.fireFlag = 1;
    }
    StepAlongHeading(enemy, speed);
    enemy.timer += 0.5f;
    enemy.rot.y += 2.0f;
    enemy.rot.x += 2.0f;
    RetireOutsideBox(enemy);
}

void MoveStraightSlowSpin(GameObject& enemy)
{
    enemy.rot.x += 2.0f;
    StepAlongHeading(enemy, 0.05f);
    RetireOutsideBox(enemy);
}

void MoveHoming(GameObject& enemy)
{
    const D3DXVECTOR3& craft = g_world.player.pos;
    const D3DXVECTOR3 away = enemy.pos - craft;
    if (D3DXVec3Length(&away) < 20.0f) {
        const D3DXVECTOR3 toward = craft - enemy.pos;
        D3DXVECTOR3 direction;
        D3DXVec3Normalize(&direction, &toward);
        const double aim = DegreesFromDown(direction);
        // Closes on the aim by a degree a frame and never passes it.
        if (direction.x > 0.0f) {
            enemy.rot.z += 1.0f;
            if (enemy.rot.z >= aim) enemy.rot.z = float(aim);
        } else {
            enemy.rot.z -= 1.0f;
            if (enemy.rot.z <= -aim) enemy.rot.z = float(-aim);
        }
    }
    StepAlongHeading(enemy, 0.1f);
    RetireOutsideBox(enemy);
}

void MoveApproachExplode(GameObject& enemy)
{
    enemy.rot.y += 2.0f;
    enemy.rot.x += 2.0f;
    enemy.pos.z += 0.1f;
    if (enemy.pos.z >= 1.0f) {
        SpawnExplosion(enemy, 2.0f);
        enemy.life = 0.0f;
    }
}

void MoveStraightFast(GameObject& enemy)
{
    StepAlongHeading(enemy, 0.5f);
    RetireOutsideBox(enemy);
}

void MoveStraightCreep(GameObject& enemy)
{
    StepAlongHeading(enemy, 0.005f);
    RetireOutsideBox(enemy);
}
