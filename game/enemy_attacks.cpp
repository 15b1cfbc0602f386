// The aimed spread and the ring. A slot taken here keeps whatever else it last held.
#include "game/enemy_attacks.h"

#include "game/aim.h"

namespace {

const int kEnemyShotSlots = 50;

}  // namespace

void FireAimedSpread(GameObject target, GameObject shooter, GameObject* pool)
{
    int placed = 0;
    for (int i = 0; i < kEnemyShotSlots && placed < 3; ++i) {
        GameObject& shot = pool[i];
        if (shot.state != 0) continue;
        shot.state = 1;
        shot.pos = shooter.pos;
        shot.rot.z = AimHeading(shot.pos, target.pos) - float(10 * placed - 10);
        ++placed;
    }
}

void FireRing(GameObject, GameObject* shooter, GameObject* pool)
{
    int heading = 0;
    for (int i = 0; i < kEnemyShotSlots && heading < 360; ++i) {
        GameObject& shot = pool[i];
        if (shot.state != 0) continue;
        shot.state = 2;
        shot.pos = shooter->pos;
        shot.timer = 0.0f;
        shot.rot.z = float(heading);
        heading += 30;
    }
}
