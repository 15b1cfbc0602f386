// The stage loading: every model into g_world behind the loading bars, the glyph tables,
// the enemies from the timetable and the stage tune, all in one scene call.
#include "game/stage_loading.h"

#include <algorithm>
#include <cstdio>
#include <iterator>

#include "audio/music.h"
#include "core/game_world.h"
#include "core/scene.h"
#include "game/energy.h"
#include "game/loading_screen.h"
#include "game/stage_timetable.h"
#include "graphics/models.h"

namespace {

const D3DXVECTOR3 kOrigin(0.0f, 0.0f, 0.0f);
const D3DXVECTOR3 kLoadRotation(-90.0f, 0.0f, 0.0f);  // model +Z becomes screen up
const D3DXVECTOR3 kUnitScale(1.0f, 1.0f, 1.0f);
constexpr float kWhite[4] = {1.0f, 1.0f, 1.0f, 1.0f};
constexpr float kGrey[4] = {0.8f, 0.8f, 0.8f, 1.0f};
constexpr float kMissileRed[4] = {1.0f, 0.0f, 0.0f, 0.4f};

// Bounding-sphere factors of the enemy templates, by type.
constexpr float kTemplateSphereFactors[7] = {1.0f, 1.0f, 1.0f, 0.8f, 0.5f, 1.0f, 1.0f};

void Load(GameObject* object, const char* fileName, D3DXVECTOR3 pos, D3DXVECTOR3 scale, const float* colour)
{
    LoadModel(object, fileName, &pos, &kLoadRotation, &scale, colour);
}

// Slot 0 is loaded; every other slot becomes a bit-for-bit copy sharing its mesh, with the
// lower bar stepping per copy.
void FillPool(GameObject* pool, int count, int32_t barStep, int32_t barA)
{
    int32_t barB = 0;
    for (int i = 1; i < count; ++i) {
        pool[i] = pool[0];
        barB += barStep;
        DrawLoadingScreen(barA, barB);
    }
}

void FillGlyphTables()
{
    const RECT labelA[4] = {{197, 0, 213, 26}, {149, 0, 160, 26}, {90, 0, 106, 26}, {74, 0, 89, 26}};
    const RECT labelB[5] = {{99, 27, 113, 53}, {37, 0, 52, 26}, {22, 27, 39, 53}, {80, 27, 98, 53}, {74, 0, 89, 26}};
    const RECT digits[10] = {{0, 128, 14, 148},   {15, 128, 25, 148},  {26, 128, 41, 148},  {42, 128, 55, 148},
                             {56, 128, 71, 148},  {72, 128, 86, 148},  {87, 128, 101, 148}, {102, 128, 116, 148},
                             {117, 128, 130, 148}, {131, 128, 145, 148}};
    std::copy(std::begin(labelA), std::end(labelA), g_glyphRectsA);
    std::copy(std::begin(labelB), std::end(labelB), g_glyphRectsB);
    std::copy(std::begin(digits), std::end(digits), g_digitRects);
}

void LoadScenery()
{
    for (int i = 0; i < 2; ++i) {
        Load(&g_world.walls[i], "./DATA/XFILE/wall.x", D3DXVECTOR3(0.0f, 470.0f * float(i), 5.0f), kUnitScale,
             kGrey);
        g_world.walls[i].state = 1;
    }
    Load(&g_world.sky, "./DATA/XFILE/skysphere.x", kOrigin, D3DXVECTOR3(80.0f, 80.0f, 80.0f), kGrey);
}

void LoadPlayer()
{
    GameObject& player = g_world.player;
    Load(&player, "./DATA/XFILE/jiki.x", D3DXVECTOR3(0.0f, -10.8f, 0.0f), D3DXVECTOR3(0.5f, 0.5f, 0.5f), kWhite);
    ComputeBoundingSphere(&player, 0.5f);
    player.life = 87.0f;
    player.state = 1;
}

void LoadEnemyTemplates()
{
    for (int type = 0; type < 7; ++type) {
        char fileName[32];
        std::snprintf(fileName, sizeof fileName, "./DATA/XFILE/Enemy%d.x", type);
        Load(&g_world.enemyTemplates[type], fileName, kOrigin, kUnitScale, kWhite);
    }
    for (int type = 0; type < 7; ++type)
        ComputeBoundingSphere(&g_world.enemyTemplates[type], kTemplateSphereFactors[type]);
}

}  // namespace

RECT g_glyphRectsA[4];
RECT g_glyphRectsB[5];
RECT g_digitRects[10];

void LoadStage()
{
    DrawLoadingScreen(0, 0);
    FillGlyphTables();
    for (int8_t& digit : g_energyDigits) digit = 0;
    LoadScenery();
    DrawLoadingScreen(49, 0);

    LoadPlayer();
    DrawLoadingScreen(49, 392);
    DrawLoadingScreen(98, 0);

    Load(&g_world.playerShots[0], "./DATA/XFILE/tama.x", kOrigin, kUnitScale, kWhite);
    ComputeBoundingSphere(&g_world.playerShots[0], 1.0f);
    FillPool(g_world.playerShots, 15, 26, 98);
    Load(&g_world.missiles[0], "./DATA/XFILE/missile.x", kOrigin, kUnitScale, kMissileRed);
    ComputeBoundingSphere(&g_world.missiles[0], 0.5f);
    FillPool(g_world.missiles, 11, 35, 98);
    DrawLoadingScreen(147, 0);

    Load(&g_world.enemyShots[0], "./DATA/XFILE/EnemyTama00.x", kOrigin, D3DXVECTOR3(0.2f, 0.2f, 0.2f), kWhite);
    ComputeBoundingSphere(&g_world.enemyShots[0], 1.0f);
    FillPool(g_world.enemyShots, 50, 7, 147);
    DrawLoadingScreen(196, 0);

    Load(&g_world.bossBombs[0], "./DATA/XFILE/BossBom.x", kOrigin, kUnitScale, kWhite);
    ComputeBoundingSphere(&g_world.bossBombs[0], 1.0f);
    g_world.bossBombs[0].colour[3] = 0.5f;
    FillPool(g_world.bossBombs, 40, 9, 196);
    DrawLoadingScreen(245, 0);

    LoadEnemyTemplates();
    Load(&g_world.boss, "./DATA/XFILE/Boss1.x", kOrigin, kUnitScale, kWhite);
    ReadStageTimetable(245);
    DrawLoadingScreen(392, 0);

    PlayMidi("stage01.mid", 1, 1);
    g_sceneFunc = BuildEffectQuads;
}
