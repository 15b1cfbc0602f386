// Reading the stage timetable into the enemy slots: a 32-bit count, then records of a float
// x, a float time and a type byte, through the runtime's text-mode translation.
#include "game/stage_timetable.h"

#include <cmath>

#include "core/game_world.h"
#include "crt.h"
#include "game/loading_screen.h"
#include "game/stage_loading.h"

namespace {

constexpr int32_t kEnemySlots = 381;
constexpr int32_t kBarFull = 392;

struct EnemyStart {
    float life;
    int32_t fireInterval;
};
// By type 0 to 6.
constexpr EnemyStart kEnemyStarts[7] = {{2.0f, 50}, {2.0f, 50}, {5.0f, 150}, {10.0f, 60},
                                        {3.0f, 0},  {1.0f, 0},  {20.0f, 0}};

// Type 5 comes in from the front, at a height that the slot number scatters from -10.8
// to 14.9.
float Type5Height(int32_t slot)
{
    const int32_t r = (slot * 1357 * 10) % 258;
    return float(r - 108) / 10.0f;
}

// A record with a type above 6 or a number that is not finite fills nothing; a NaN position
// would never leave the play box.
void FillEnemySlot(int32_t slot, float x, float time, uint8_t type)
{
    if (type > 6 || !std::isfinite(x) || !std::isfinite(time)) return;
    GameObject& enemy = g_world.enemies[slot];
    enemy = g_world.enemyTemplates[type];
    enemy.life = kEnemyStarts[type].life;
    enemy.fireInterval = kEnemyStarts[type].fireInterval;
    enemy.pos = type == 5 ? D3DXVECTOR3(x - 9.0f, Type5Height(slot), -10.0f) : D3DXVECTOR3(x - 9.0f, 16.5f, 0.0f);
    // In stage-timer units. The stage timer steps by 0.5 and an enemy enters on exact
    // equality, so a time whose product with 15 is no multiple of 0.5 never comes.
    enemy.timer = time * 15.0f;
    enemy.type = type;
    g_enemySlotFilled[slot] = 1;
}

}  // namespace

int32_t g_stageEnemyCount = 0;
uint8_t g_enemySlotFilled[381] = {};

void ReadStageTimetable(int32_t barA)
{
    // Text mode on purpose: the files were written for it, so a CR LF inside a number reads
    // as LF and a byte 0x1A ends the data.
    crt::FILE* file = crt::fopen("./DATA/stage01.kfc", "rt");
    if (!file) return;
    g_stageEnemyCount = 0;
    crt::fread(&g_stageEnemyCount, 4, 1, file);
    int32_t barB = 0;
    for (int32_t slot = 0; slot < g_stageEnemyCount && slot < kEnemySlots; ++slot) {
        // No read is checked, on purpose: past the end of the data a field keeps the bytes
        // it got and zero for the rest, so the records a short file lacks come in as x 0,
        // time 0, type 0.
        float x = 0.0f, time = 0.0f;
        uint8_t type = 0;
        crt::fread(&x, 4, 1, file);
        crt::fread(&time, 4, 1, file);
        crt::fread(&type, 1, 1, file);
        FillEnemySlot(slot, x, time, type);
        barB += kBarFull / g_stageEnemyCount;
        if (barB >= kBarFull) barB = kBarFull;
        DrawLoadingScreen(barA, barB);
    }
    crt::fclose(file);
}
