// Projectile flight. Enemy shots test the craft whatever its state, and even in the call
// that retires them at the edge of the play box.
#include "game/projectiles.h"

#include "audio/sound_effects.h"
#include "core/game_world.h"
#include "core/globals.h"
#include "game/collision.h"
#include "game/flight.h"
#include "graphics/models.h"

void UpdateEnemyShot(GameObject* shot)
{
    if (shot->state != 1) return;
    DrawModel(shot);
    shot->pos += HeadingStep(shot->rot.z, -0.2f);
    if (OutsidePlayBox(shot->pos)) shot->state = 0;
    GameObject& player = g_world.player;
    if (HitSpheres(player, *shot)) {
        player.life -= 2.0f;
        shot->state = 0;
    }
}

void UpdateRingShot(GameObject* shot)
{
    if (shot->state != 2) return;
    DrawModel(shot);
    shot->rot.z += shot->timer < 60.0f ? 5.0f : 0.5f;
    shot->pos += HeadingStep(shot->rot.z, -0.2f);
    if (OutsidePlayBox(shot->pos)) shot->state = 0;
    else shot->timer += 1.0f;
    GameObject& player = g_world.player;
    if (HitSpheres(player, *shot)) {
        player.life -= 2.0f;
        shot->state = 0;
        PlaySoundEffect(g_sndDamage);
    }
}

void UpdatePlayerShot(GameObject* shot)
{
    if (shot->state == 1) {
        DrawModel(shot);
        shot->pos += HeadingStep(shot->rot.z, 0.3f);
    }
    if (OutsidePlayBox(shot->pos)) shot->state = 0;
}

void UpdateMissile(GameObject* missile, int32_t i)
{
    DrawModel(missile);
    const D3DXVECTOR3 aimPoint(2.1f * float(i) - 10.5f, -8.0f, 0.0f);
    const D3DXVECTOR3 toAim = aimPoint - missile->pos;
    D3DXVECTOR3 steer;
    D3DXVec3Normalize(&steer, &toAim);
    missile->pos += steer * 0.2f;
    if (missile->pos.z >= -0.5f) {
        missile->pos.z = 0.0f;
        missile->pos += HeadingStep(missile->rot.z, 0.5f);
    }
    if (missile->pos.y > 21.0f) {
        missile->state = 0;
        PlaySoundEffect(g_sndEnemyDie);
    }
}

void UpdateBossBomb(GameObject* bomb, int32_t k)
{
    DrawModel(bomb);
    bomb->pos += HeadingStep(bomb->rot.z, -0.5f) * (float(k + 1) * 0.1f);
    bomb->rot.x += 12.0f;
    bomb->rot.y += 12.0f;
    if (OutsidePlayBox(bomb->pos)) {
        bomb->pos = D3DXVECTOR3(0.0f, 0.0f, 0.0f);
        bomb->state = 0;
    }
}
