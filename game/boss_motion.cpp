// The boss's motion through its five phases, and the camera that watches it rise.
#include "core/game_world.h"
#include "core/globals.h"
#include "core/scene.h"
#include "game/boss.h"
#include "game/ending.h"
#include "graphics/effects.h"

namespace {

void Rise(uint8_t* phase)
{
    GameObject& boss = g_world.boss;
    boss.pos.y += 0.5f;
    if (boss.pos.y >= 170.0f) {
        boss.pos = D3DXVECTOR3(0.0f, 30.0f, 0.0f);
        boss.rot.z += 180.0f;
        *phase = 1;
    }
}

void Descend(uint8_t* phase)
{
    GameObject& boss = g_world.boss;
    boss.pos.y -= 0.04f;
    boss.life += 5.0f;
    if (boss.life >= 1200.0f) boss.life = 1200.0f;
    if (boss.pos.y <= 9.0f) {
        boss.pos.y = 9.0f;
        g_world.player.timer = 0.0f;
        *phase = 2;
    }
}

// Each axis bounces on its own; the velocity is not clamped, so the boss may overshoot a
// little before the turned velocity brings it back.
void Fight(D3DXVECTOR3& velocity)
{
    GameObject& boss = g_world.boss;
    boss.pos += velocity;
    if (boss.pos.x > 10.0f || boss.pos.x < -10.0f) velocity.x = -velocity.x;
    if (boss.pos.y > 10.0f || boss.pos.y < 8.0f) velocity.y = -velocity.y;
    if (boss.pos.z > 1.0f || boss.pos.z < -1.0f) velocity.z = -velocity.z;
}

void Die(uint8_t* phase)
{
    GameObject& boss = g_world.boss;
    boss.rot.x += 1.0f;
    boss.rot.y += 1.0f;
    boss.pos.z += 0.05f;
    if (boss.pos.z >= 12.0f) {
        SpawnExplosion(boss, 5.0f);
        boss.state = 0;
        g_world.player.timer = 0.0f;
        *phase = 4;
    }
}

void CountDown()
{
    g_world.player.timer += 1.0f;
    if (g_world.player.timer > 1500.0f) g_sceneFunc = EnterEnding;
}

}  // namespace

void UpdateBossMotion(uint8_t* phase)
{
    static D3DXVECTOR3 velocity(0.01f, 0.01f, 0.015f);
    switch (*phase) {
    case 0: Rise(phase); break;
    case 1: Descend(phase); break;
    case 2: Fight(velocity); break;
    case 3: Die(phase); break;
    case 4: CountDown(); break;
    default: break;
    }
}

void SetBossCamera()
{
    const GameObject& craft = g_world.player;
    D3DXVECTOR3 eye(craft.pos.x - 1.0f, craft.pos.y, 5.0f);
    D3DXVECTOR3 up(0.0f, -1.0f, 0.0f);
    D3DXMATRIXA16 view;
    D3DXMatrixLookAtLH(&view, &eye, &g_world.boss.pos, &up);
    g_device->SetTransform(D3DTS_VIEW, &view);
}
