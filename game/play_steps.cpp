#include "game/play_steps.h"

#include "core/game_world.h"
#include "game/player_control.h"
#include "game/projectiles.h"
#include "graphics/effects.h"
#include "graphics/models.h"

void SteerPlayer()
{
    GameObject& player = g_world.player;
    if (player.state != 1) return;
    switch (g_missilePhase) {
    case 0: UpdatePlayerControl(); break;
    case 1: UpdateMissileRetreat(player); break;
    case 2: UpdateMissileReturn(player); break;
    default: break;
    }
}

void DrawAndScrollWalls()
{
    DrawModel(&g_world.walls[0]);
    DrawModel(&g_world.walls[1]);
    for (GameObject& wall : g_world.walls) {
        wall.pos.y -= 0.5f;
        if (wall.pos.y <= -470.0f) wall.pos.y = 470.0f;
    }
}

void UpdatePlayerProjectiles()
{
    for (GameObject& shot : g_world.playerShots)
        if (shot.state != 0) UpdatePlayerShot(&shot);
    for (int32_t i = 0; i < 11; ++i)
        if (g_world.missiles[i].state != 0) UpdateMissile(&g_world.missiles[i], i);
}

bool SpinCraft(float endZ)
{
    GameObject& craft = g_world.player;
    craft.rot.x += 2.0f;
    craft.rot.y += 2.0f;
    craft.pos.z += 0.05f;
    DrawModel(&craft);
    if (craft.pos.z < endZ) return false;
    SpawnExplosion(craft, 2.0f);
    craft.state = 0;
    craft.life = 1.0f;
    return true;
}
