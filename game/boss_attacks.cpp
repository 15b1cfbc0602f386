#include "game/boss_attacks.h"

#include <initializer_list>

#include "audio/sound_effects.h"
#include "core/game_world.h"
#include "core/globals.h"
#include "game/aim.h"
#include "game/boss.h"
#include "game/collision.h"
#include "game/energy.h"
#include "game/projectiles.h"
#include "graphics/effects.h"
#include "graphics/models.h"

namespace {

// A volley puts up to eleven bombs at one point below the boss, all aimed at the craft.
void DropBombVolley()
{
    const GameObject& boss = g_world.boss;
    int32_t placed = 0;
    for (GameObject& bomb : g_world.bossBombs) {
        if (bomb.state == 0) {
            bomb.pos = D3DXVECTOR3(boss.pos.x, boss.pos.y - 6.0f, 0.0f);
            bomb.rot.z = AimHeading(bomb.pos, g_world.player.pos);
            bomb.state = 1;
            placed += 1;
        }
        if (placed > 10) break;
    }
}

bool BossTakesHits()
{
    return g_world.boss.state == 1 && g_bossPhase < 3;
}

// The ray starts beside the boss, at z = 0 whatever its depth, and looks for the projectile
// outward along one flank.
bool FlankHit(const GameObject& projectile, float side)
{
    const GameObject& boss = g_world.boss;
    float distance = 0.0f;
    return HitRayMesh(boss, D3DXVECTOR3(5.5f * side, 0.0f, -boss.pos.z), D3DXVECTOR3(side, 0.0f, 0.0f), projectile,
                      &distance) &&
           distance <= 3.0f;
}

void HitWithShot(GameObject& shot)
{
    for (float side : {-1.0f, 1.0f}) {
        if (shot.state != 0 && BossTakesHits() && FlankHit(shot, side)) {
            shot.state = 0;
            g_world.boss.life -= 1.0f;
            g_energy += 1;
            SpawnExplosion(shot, 1.0f);
            PlaySoundEffect(g_sndBossDie);
        }
    }
}

void HitWithMissile(GameObject& missile)
{
    for (float side : {-1.0f, 1.0f}) {
        if (missile.state != 0 && BossTakesHits() && FlankHit(missile, side)) {
            missile.state = 0;
            SpawnExplosion(missile, 2.0f);
            g_world.boss.life -= 10.0f;
            g_energy += 10;
        }
    }
}

bool CraftTouches(const GameObject& target, float* distance)
{
    return HitRayMesh(g_world.player, D3DXVECTOR3(0.0f, -1.0f, 0.0f), D3DXVECTOR3(0.0f, 1.0f, 0.0f), target,
                      distance);
}

}  // namespace

void WalkAttackTable()
{
    // Exact equality on purpose: while the timer stands still in the first two phases, an
    // entry equal to it fires in every frame.
    for (const AttackPatternEntry& entry : g_attackPatterns)
        if (entry.time == g_world.player.timer && g_bossPhase < 3 && entry.type == 0) DropBombVolley();
}

void HitBossWithProjectiles()
{
    for (GameObject& shot : g_world.playerShots) HitWithShot(shot);
    for (GameObject& missile : g_world.missiles) HitWithMissile(missile);
}

void HitBossWithLaser()
{
    if (g_laserActive != 1 || g_world.boss.state != 1 || g_bossPhase >= 3) return;
    float distance = 0.0f;
    if (HitRayMesh(g_world.player, D3DXVECTOR3(0.0f, 0.0f, 0.0f), D3DXVECTOR3(0.0f, 1.0f, 0.0f), g_world.boss,
                   &distance) &&
        distance <= 21.0f - g_world.player.pos.y)
        g_world.boss.life -= 0.75f;
}

void TouchCraftWithBoss()
{
    float distance = 0.0f;
    if (CraftTouches(g_world.boss, &distance) && g_world.boss.state == 1 && g_world.player.state != 0 &&
        distance <= 2.0f) {
        g_world.player.life -= 0.05f;
        PlaySoundEffect(g_sndDamage);
        DrawModel(&g_world.player);
    }
}

// A bomb retired by its own update is still tested where the update left it, at the origin.
void UpdateBombs()
{
    int32_t rank = 0;
    for (GameObject& bomb : g_world.bossBombs) {
        if (bomb.state != 1) continue;
        UpdateBossBomb(&bomb, rank);
        float distance = 0.0f;
        if (CraftTouches(bomb, &distance) && g_world.player.state != 0 && distance <= 2.0f) {
            bomb.state = 0;
            SpawnExplosion(bomb, 1.0f);
            PlaySoundEffect(g_sndBossDie);
            g_world.player.life -= 2.0f;
        }
        rank += 1;
    }
}
