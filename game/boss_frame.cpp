// One frame of the boss fight: the stage's controls and weapons against the boss, its
// bomb volleys, the craft's fate, then the boss's motion, its timer and the G key.
#include "audio/sound_effects.h"
#include "core/game_world.h"
#include "core/globals.h"
#include "core/scene.h"
#include "game/boss.h"
#include "game/boss_attacks.h"
#include "game/energy.h"
#include "game/ending.h"
#include "game/hud.h"
#include "game/play_steps.h"
#include "game/sprite_cell.h"
#include "game/stage.h"
#include "graphics/effects.h"
#include "graphics/models.h"

namespace {

void DrawAndTurnSky()
{
    DrawModel(&g_world.sky);
    g_world.sky.rot.x -= 0.01f;
    g_world.sky.rot.y += 0.01f;
}

// A lost craft leaves the fight for the ending there and then, as in the stage; returns
// true in that frame.
bool DrawCraft()
{
    GameObject& craft = g_world.player;
    if (craft.state == 1) {
        DrawModel(&craft);
    } else if (craft.state == 2) {
        g_laserActive = 0;
        if (SpinCraft(10.0f)) {
            EnterEnding();
            return true;
        }
    }
    return false;
}

void DrawEffects()
{
    DrawExplosions(g_explosionQuads, g_world.player);
    if (g_world.player.state == 1) DrawFlameStrip(g_flameQuad, g_world.player);
    if (g_laserActive == 1) {
        DrawTwinLaser(g_laserQuad, g_world.player);
        PlaySoundEffect(g_sndLaser);
    }
}

// The boss frame sets no blend around the display, and shows none while the boss rises.
void DrawOverlay()
{
    if (!BeginSprite()) return;
    if (g_bossPhase != 0) DrawHud();
    g_sprite->End();
}

// Returns true when the craft was lost in this frame.
bool DrawScene()
{
    DrawAndScrollWalls();
    DrawAndTurnSky();
    UpdatePlayerProjectiles();
    if (g_world.boss.state == 1) DrawModel(&g_world.boss);
    WalkAttackTable();
    HitBossWithProjectiles();
    HitBossWithLaser();
    TouchCraftWithBoss();
    UpdateBombs();
    bool craftLost = DrawCraft();
    DrawEffects();
    DrawOverlay();
    return craftLost;
}

void CheckLives()
{
    if (g_world.player.life <= 0.0f) g_world.player.state = 2;
    if (g_world.boss.life < 0.0f && g_world.boss.state == 1) g_bossPhase = 3;
}

}  // namespace

void BossFrame()
{
    SteerPlayer();
    if (g_bossPhase == 0) SetBossCamera();
    else SetStageCamera();
    g_device->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, 0xFF0000FF, 1.0f, 0);
    bool craftLost = false;
    if (SUCCEEDED(g_device->BeginScene())) {
        craftLost = DrawScene();
        g_device->EndScene();
    }

    StepDisplayedEnergy();
    CheckLives();
    PresentFrame();
    SceneFunc next = g_sceneFunc;
    UpdateBossMotion(&g_bossPhase);
    if (craftLost) {
        // The ending entered in this frame must not be entered again by the countdown, and
        // it keeps the view it finds: the stage camera's, even when the boss was still rising.
        g_sceneFunc = next;
        SetStageCamera();
    }
    if (g_bossPhase > 1) g_world.player.timer += 1.0f;
    if (GetAsyncKeyState('G') & 0x8000) g_bossPhase = 4;
}
