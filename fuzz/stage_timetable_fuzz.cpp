// The stage timetable through the stage loading's own reader, on the stand-ins: any input
// fills slots only with known types and finite positions, and a slot no record filled stays empty.
#include <cmath>
#include <cstdint>
#include <cstring>

#include "core/game_world.h"
#include "game/stage_loading.h"
#include "game/stage_timetable.h"
#include "input_file.h"
#include "stand_in_device.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    StandInDevice();
    if (!WriteGameFile(data, size, "DATA/stage01.kfc")) return 0;
    for (GameObject& enemy : g_world.enemies) enemy = GameObject();
    std::memset(g_enemySlotFilled, 0, sizeof g_enemySlotFilled);

    ReadStageTimetable(0);

    for (int slot = 0; slot < 381; ++slot) {
        const GameObject& enemy = g_world.enemies[slot];
        if (!g_enemySlotFilled[slot]) {
            if (enemy.type != 0 || enemy.timer != 0.0f || enemy.life != 0.0f) __builtin_trap();
            continue;
        }
        // A huge time may become an infinite entry time: such an enemy never enters, which is
        // harmless; a position that is not finite would never leave the play box.
        if (enemy.type > 6 || !std::isfinite(enemy.pos.x) || !std::isfinite(enemy.pos.y) || enemy.life <= 0.0f)
            __builtin_trap();
    }
    return 0;
}
