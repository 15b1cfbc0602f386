// One frame of the stage, step by step: controls, camera, corridor, projectiles, enemies,
// craft, effects, laser, overlay, then the timer-driven switches and the present.
#include "audio/sound_effects.h"
#include "core/game_world.h"
#include "core/globals.h"
#include "core/scene.h"
#include "game/boss.h"
#include "game/collision.h"
#include "game/energy.h"
#include "game/ending.h"
#include "game/enemy_steps.h"
#include "game/hud.h"
#include "game/play_steps.h"
#include "game/player_control.h"
#include "game/projectiles.h"
#include "game/sprite_cell.h"
#include "game/stage.h"
#include "game/stage_loading.h"
#include "game/stage_warning.h"
#include "graphics/effects.h"
#include "graphics/models.h"

namespace {

constexpr float kPlayerLife = 87.0f;
constexpr float kBossTime = 5700.0f;

void UpdateEnemyShots()
{
    for (GameObject& shot : g_world.enemyShots) {
        if (shot.state == 1) UpdateEnemyShot(&shot);
        else if (shot.state == 2) UpdateRingShot(&shot);
    }
}

// The death spin ends in an explosion and hands over to the ending in mid-frame.
void DrawPlayer()
{
    GameObject& player = g_world.player;
    if (player.state == 1) {
        DrawModel(&player);
    } else if (player.state == 2 && SpinCraft(15.0f)) {
        EnterEnding();
    }
}

void DrawEffects()
{
    DrawExplosions(g_explosionQuads, g_world.player);
    if (g_world.player.state == 1) DrawFlameStrip(g_flameQuad, g_world.player);
}

// The beam hurts whatever its ray meets, waiting enemies included; the kill itself waits
// for the next frame's enemy steps.
void FireLaser()
{
    if (g_laserActive != 1) return;
    DrawTwinLaser(g_laserQuad, g_world.player);
    PlaySoundEffect(g_sndLaser);
    const D3DXVECTOR3 offset(0.0f, 0.0f, 0.0f);
    const D3DXVECTOR3 up(0.0f, 1.0f, 0.0f);
    for (int32_t i = 0; i < 381; ++i) {
        if (!g_enemySlotFilled[i]) continue;
        GameObject& enemy = g_world.enemies[i];
        float distance = 0.0f;
        if (HitRayMesh(g_world.player, offset, up, enemy, &distance) &&
            distance <= 15.0f - g_world.player.pos.y)
            enemy.life -= 1.0f;
    }
}

void DrawOverlay()
{
    if (!BeginSprite()) return;
    DrawHud();
    SetSpriteBlend(D3DBLEND_DESTALPHA);
    if (g_world.player.timer >= kWarningStart) DrawWarningSign();
    SetSpriteBlend(D3DBLEND_INVSRCALPHA);
    g_sprite->End();
}

void DrawScene()
{
    DrawAndScrollWalls();
    DrawModel(&g_world.sky);
    UpdatePlayerProjectiles();
    for (int32_t i = 0; i < 381; ++i) UpdateEnemySlot(i);
    UpdateEnemyShots();
    DrawPlayer();
    DrawEffects();
    FireLaser();
    DrawOverlay();
}

void ResetPlayer()
{
    GameObject& player = g_world.player;
    player.state = 1;
    player.life = kPlayerLife;
    player.pos = D3DXVECTOR3(0.0f, -10.8f, 0.0f);
    player.rot = D3DXVECTOR3(-90.0f, 0.0f, 0.0f);
    g_missilePhase = 0;
}

}  // namespace

void StageFrame()
{
    SteerPlayer();
    SetStageCamera();
    g_device->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, D3DCOLOR_ARGB(255, 0, 0, 255), 1.0f, 0);
    if (SUCCEEDED(g_device->BeginScene())) {
        DrawScene();
        g_device->EndScene();
    }

    g_world.player.timer += 0.5f;
    SoundSiren(g_world.player.timer);
    // A craft lost in this same frame has already stored the ending: keep it, or the boss
    // fight would start with no craft and no way out.
    if (g_world.player.timer > kBossTime && g_sceneFunc == StageFrame) g_sceneFunc = EnterBossPhase;
    StepDisplayedEnergy();
    if (g_world.player.life <= 0.0f) g_world.player.state = 2;
    PresentFrame();
    if (GetAsyncKeyState(VK_SPACE) & 0x8000) ResetPlayer();
}
