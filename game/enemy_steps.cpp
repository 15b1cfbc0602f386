#include "game/enemy_steps.h"

#include "audio/sound_effects.h"
#include "core/game_world.h"
#include "core/globals.h"
#include "game/collision.h"
#include "game/energy.h"
#include "game/enemy_attacks.h"
#include "game/enemy_patterns.h"
#include "game/stage_loading.h"
#include "graphics/effects.h"
#include "graphics/models.h"

namespace {

// Entry asks for the exact time alone: a slot whose time the timer has passed, or that
// is not a multiple of 0.5, never enters.
void Enter(GameObject& enemy)
{
    if (g_world.player.timer == enemy.timer) {
        enemy.state = 1;
        enemy.timer = 0.0f;
    }
}

void Move(GameObject& enemy)
{
    if (enemy.state != 1) return;
    DrawModel(&enemy);
    MoveEnemy(enemy);
    if (enemy.fireFlag == 1) enemy.fireCounter += 1;
}

// The counter is never reset, so an enemy fires at most once in its life.
void Fire(GameObject& enemy)
{
    if (enemy.fireCounter != enemy.fireInterval || enemy.state == 0) return;
    if (enemy.type == 0 || enemy.type == 1)
        FireAimedSpread(g_world.player, enemy, g_world.enemyShots);
    else if (enemy.type == 2)
        FireRing(g_world.player, &enemy, g_world.enemyShots);
}

// A shot or missile retired by a hit cannot hit a later enemy in the same frame. The
// states are looked at before the spheres, which only cost time.
void TakePlayerHits(GameObject& enemy)
{
    if (enemy.state == 0) return;
    for (GameObject& shot : g_world.playerShots) {
        if (shot.state != 0 && HitSpheres(shot, enemy)) {
            shot.state = 0;
            enemy.life -= 1.0f;
            g_energy += 1;
        }
    }
    for (GameObject& missile : g_world.missiles) {
        if (missile.state != 0 && HitSpheres(missile, enemy)) {
            enemy.life -= 10.0f;
            missile.state = 0;
            SpawnExplosion(missile, 2.0f);
        }
    }
}

// Contact hurts a dying craft too, and shows the enemy a second time.
void TouchPlayer(GameObject& enemy)
{
    GameObject& player = g_world.player;
    if (enemy.state == 0 || player.state == 0) return;
    float distance = 0.0f;
    if (HitRayMesh(player, D3DXVECTOR3(0.0f, -1.0f, 0.0f), D3DXVECTOR3(0.0f, 1.0f, 0.0f), enemy, &distance) &&
        distance <= 2.0f) {
        player.life -= 1.0f;
        PlaySoundEffect(g_sndDamage);
        DrawModel(&enemy);
    }
}

void Destroy(GameObject& enemy)
{
    if (enemy.life > 0.0f || enemy.state == 0) return;
    SpawnExplosion(enemy, 2.0f);
    enemy.state = 0;
    g_energy += 10;
    PlaySoundEffect(enemy.type == 5 ? g_sndBossDie : g_sndEnemyDie);
    enemy.pos.y = -15.8f;  // below the craft's lowest position
}

}  // namespace

void UpdateEnemySlot(int32_t slot)
{
    // A slot no timetable record filled is an empty object; it takes no part.
    if (!g_enemySlotFilled[slot]) return;
    GameObject& enemy = g_world.enemies[slot];
    Enter(enemy);
    Move(enemy);
    Fire(enemy);
    TakePlayerHits(enemy);
    TouchPlayer(enemy);
    Destroy(enemy);
}
